#include "gui/ButtonBinding.h"

#include "gui/QtString.h"
#include "platform/ui/Button.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace gui {

ButtonBinding::ButtonBinding(std::shared_ptr<platform::Button> button, QAbstractButton* widget)
    : ViewBinding(button, widget), button_(std::move(button)), buttonWidget_(widget) {
    setFocusWidget(widget);
    widget->setText(toQString(button_->title()));
    showState();
    observeEnabled(*button_);
    observe(button_->titleProperty(),
            [this] { buttonWidget_->setText(toQString(button_->title())); });
    observe(button_->stateProperty(), [this] { showState(); });
    connect(widget, &QAbstractButton::clicked, this, [this] {
        const auto keepAlive = button_;
        button_->userPress();
        showState();
    });
}

QAbstractButton* ButtonBinding::makeWidget(const platform::Button& button, QWidget* parent) {
    switch (button.buttonType()) {
    case platform::ButtonType::Switch:
        return new QCheckBox(parent);
    case platform::ButtonType::Radio: {
        // The model turns the other radio buttons off, not Qt.
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    case platform::ButtonType::MomentaryPushIn:
        break;
    }
    auto* push = new QPushButton(parent);
    push->setAutoDefault(false);
    push->setDefault(button.keyEquivalent() == u"\r");
    return push;
}

bool ButtonBinding::pressKeyEquivalent(QWidget* root, const platform::String& key) {
    for (ViewBinding* view : root->findChildren<ViewBinding*>()) {
        auto* binding = dynamic_cast<ButtonBinding*>(view);
        if (binding && binding->button_->keyEquivalent() == key &&
            binding->buttonWidget_->isEnabled()) {
            binding->buttonWidget_->click();
            return true;
        }
    }
    return false;
}

void ButtonBinding::showState() {
    if (!buttonWidget_->isCheckable())
        return;
    const QSignalBlocker quiet(buttonWidget_);
    if (auto* box = qobject_cast<QCheckBox*>(buttonWidget_)) {
        box->setTristate(button_->state() == platform::ControlStateMixed);
        box->setCheckState(button_->state() == platform::ControlStateMixed ? Qt::PartiallyChecked
                           : button_->state() == platform::ControlStateOn  ? Qt::Checked
                                                                           : Qt::Unchecked);
        return;
    }
    buttonWidget_->setChecked(button_->state() == platform::ControlStateOn);
}

} // namespace gui

#include "gui/AlertDialog.h"

#include "gui/QtString.h"
#include "platform/ui/Alert.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace gui {
namespace {

constexpr int iconSize = 64;
constexpr int textWidth = 320;

QStyle::StandardPixmap iconFor(platform::AlertStyle style) {
    switch (style) {
    case platform::AlertStyle::Informational:
        return QStyle::SP_MessageBoxInformation;
    case platform::AlertStyle::Critical:
        return QStyle::SP_MessageBoxCritical;
    case platform::AlertStyle::Warning:
        break;
    }
    return QStyle::SP_MessageBoxWarning;
}

QLabel* wrappedLabel(const platform::String& text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(textWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AlertDialog::AlertDialog(std::shared_ptr<platform::Alert> alert, QWidget* parent)
    : ModelDialog(parent), alert_(std::move(alert)) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(iconFor(alert_->alertStyle())).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(makeText(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Escape presses "Cancel", or the only button there is.
QPushButton* AlertDialog::cancelButton() const {
    const auto& titles = alert_->buttonTitles();
    for (std::size_t index = 0; index < titles.size(); ++index)
        if (titles[index] == u"Cancel")
            return buttons_[index];
    return buttons_.size() == 1 ? buttons_.front() : nullptr;
}

void AlertDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (QPushButton* cancel = cancelButton())
            cancel->click();
        return;
    }
    ModelDialog::keyPressEvent(event);
}

QWidget* AlertDialog::makeText() {
    auto* text = new QWidget(this);
    auto* layout = new QVBoxLayout(text);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* message = wrappedLabel(alert_->messageText(), text);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    layout->addWidget(message);
    if (!alert_->informativeText().empty())
        layout->addWidget(wrappedLabel(alert_->informativeText(), text));
    layout->addStretch();
    return text;
}

QWidget* AlertDialog::makeButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    const auto& titles = alert_->buttonTitles();
    for (std::size_t index = 0; index < titles.size(); ++index) {
        auto* button = new QPushButton(toQString(titles[index]), row);
        button->setDefault(index == 0);
        button->setAutoDefault(index == 0);
        buttons_.push_back(button);
        // The first at the right: each later one goes to the left of those before.
        layout->insertWidget(1, button);
        connect(button, &QPushButton::clicked, this, [this, index] {
            const auto keepAlive = alert_;
            (void)alert_->userPressButton(index);
        });
    }
    return row;
}

} // namespace gui

#include "gui/SheetDialog.h"

#include "gui/ButtonBinding.h"
#include "gui/ViewBinding.h"
#include "gui/ViewFactory.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QKeyEvent>
#include <QVBoxLayout>
#include <cmath>

namespace gui {

SheetDialog::SheetDialog(std::shared_ptr<platform::Window> sheet, QWidget* parent)
    : ModelDialog(parent), sheet_(std::move(sheet)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    showContentView();
    showSize();
    const auto watch = [this](const platform::PropertyBase& property,
                              void (SheetDialog::*shower)()) {
        observations_.push_back(property.observe([this, shower] { (this->*shower)(); }));
    };
    watch(sheet_->contentViewProperty(), &SheetDialog::showContentView);
    watch(sheet_->frameProperty(), &SheetDialog::showSize);
    watch(sheet_->firstResponderProperty(), &SheetDialog::showFirstResponder);
}

// Escape presses the cancel button, as Return presses the default one (Qt's own).
void SheetDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        ButtonBinding::pressKeyEquivalent(this, u"\x1b"))
        return;
    ModelDialog::keyPressEvent(event);
}

// The model chose the first responder when the sheet was attached, before this dialog was
// shown: Qt's own choice, the first child that takes the focus, may be another.
void SheetDialog::showEvent(QShowEvent* event) {
    ModelDialog::showEvent(event);
    showFirstResponder();
}

void SheetDialog::showContentView() {
    if (content_) {
        content_->hide();
        content_->deleteLater();
        content_ = nullptr;
    }
    if (const auto view = sheet_->contentView()) {
        content_ = ViewFactory::widgetFor(view, this);
        layout()->addWidget(content_);
    }
}

void SheetDialog::showSize() {
    const platform::Rect content = sheet_->contentRectForFrameRect(sheet_->frame());
    setFixedSize(static_cast<int>(std::lround(content.width())),
                 static_cast<int>(std::lround(content.height())));
}

void SheetDialog::showFirstResponder() {
    if (ViewBinding* binding = ViewBinding::find(this, sheet_->firstResponder().get()))
        if (QWidget* focus = binding->focusWidget())
            focus->setFocus(Qt::OtherFocusReason);
}

} // namespace gui

#include "gui/RulerBinding.h"

#include "gui/RulerWidget.h"
#include "gui/TextEditWidget.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QLocale>

namespace gui {

RulerBinding::RulerBinding(std::shared_ptr<platform::TextView> view, TextEditWidget* widget)
    : QObject(widget), view_(std::move(view)), widget_(widget),
      ruler_(new RulerWidget(widget, RulerUnit::forLocale(QLocale()), widget)) {
    ruler_->hide();
    observe(view_->rulerVisibleProperty(), &RulerBinding::showVisibility);
    observe(view_->usesRulerProperty(), &RulerBinding::showVisibility);
    observe(view_->selectedRangeProperty(), &RulerBinding::showStyle);
    observe(view_->typingAttributesProperty(), &RulerBinding::showStyle);
    observe(view_->editableProperty(), &RulerBinding::showEnabled);
    observe(view_->richTextProperty(), &RulerBinding::showEnabled);
    observations_.push_back(
        view_->textStorage()->observeEdits([this](const platform::TextChange&) { showStyle(); }));
    connect(ruler_, &RulerWidget::indentEdited, this, &RulerBinding::indentEdited);
    connect(ruler_, &RulerWidget::tabStopsEdited, this, &RulerBinding::tabStopsEdited);
    connect(ruler_, &RulerWidget::alignmentChosen, this, [this](platform::TextAlignment alignment) {
        const auto keepAlive = view_;
        view_->userSetAlignment(alignment);
        showStyle();
    });
    showEnabled();
    showVisibility();
}

void RulerBinding::observe(const platform::PropertyBase& property,
                           void (RulerBinding::*changed)()) {
    observations_.push_back(property.observe([this, changed] { (this->*changed)(); }));
}

void RulerBinding::showVisibility() {
    const bool shown = view_->isRulerVisible() && view_->usesRuler();
    ruler_->setVisible(shown);
    widget_->setHeader(shown ? ruler_ : nullptr);
    showStyle();
}

// A hidden ruler does not follow the text, which costs a keystroke nothing then.
void RulerBinding::showStyle() {
    if (ruler_->isVisibleTo(widget_))
        ruler_->setParagraphStyle(view_->paragraphStyleAtSelection());
}

void RulerBinding::showEnabled() {
    ruler_->setEnabled(view_->isEditable() && view_->isRichText());
}

// After each edit the ruler shows the model again, which may have refused it.
void RulerBinding::indentEdited(RulerDrag::Part part, std::int32_t indent) {
    const auto keepAlive = view_;
    switch (part) {
    case RulerDrag::Part::FirstLineIndent:
        view_->userSetFirstLineIndent(indent);
        break;
    case RulerDrag::Part::LeftIndent:
        view_->userSetLeftIndent(indent);
        break;
    case RulerDrag::Part::RightIndent:
        view_->userSetRightIndent(indent);
        break;
    case RulerDrag::Part::TabStop:
    case RulerDrag::Part::NewTabStop:
        break;
    }
    showStyle();
}

void RulerBinding::tabStopsEdited(const std::vector<std::int32_t>& positions) {
    const auto keepAlive = view_;
    view_->userSetTabStops(positions);
    showStyle();
}

} // namespace gui

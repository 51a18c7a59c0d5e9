#include "gui/ScrollViewBinding.h"

#include "gui/ViewFactory.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Text.h"

#include <QScrollArea>

namespace gui {

ScrollViewBinding::ScrollViewBinding(std::shared_ptr<platform::ScrollView> scrollView,
                                     QScrollArea* widget)
    : ViewBinding(scrollView, widget), scrollView_(std::move(scrollView)), scrollArea_(widget) {
    scrollArea_->setWidgetResizable(true);
    // The model's scroll view never takes the focus: a sheet's or a window's first key view
    // is what it holds, not the frame around it, where typing would go nowhere.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    showDocumentView();
    observe(scrollView_->documentViewProperty(), [this] { showDocumentView(); });
}

void ScrollViewBinding::showDocumentView() {
    if (QWidget* previous = scrollArea_->takeWidget()) {
        previous->hide();
        previous->deleteLater();
    }
    const auto document = scrollView_->documentView();
    // A text scrolls itself: the area only holds it.
    const bool scrollsItself = std::dynamic_pointer_cast<platform::Text>(document) != nullptr;
    scrollArea_->setFrameShape(scrollsItself ? QFrame::NoFrame : QFrame::StyledPanel);
    scrollArea_->setVerticalScrollBarPolicy(scrollsItself ? Qt::ScrollBarAlwaysOff
                                                          : Qt::ScrollBarAsNeeded);
    scrollArea_->setHorizontalScrollBarPolicy(scrollsItself ? Qt::ScrollBarAlwaysOff
                                                            : Qt::ScrollBarAsNeeded);
    if (document)
        scrollArea_->setWidget(ViewFactory::widgetFor(document, scrollArea_->viewport()));
}

} // namespace gui

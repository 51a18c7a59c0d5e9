#include "platform/ui/ScrollView.h"

namespace platform {

void ScrollView::setDocumentView(const std::shared_ptr<View>& view) {
    if (documentView_)
        documentView_->removeFromSuperview();
    documentView_ = view;
    if (view)
        addSubview(view);
    didChangeValueForKey(u"documentView");
}

} // namespace platform

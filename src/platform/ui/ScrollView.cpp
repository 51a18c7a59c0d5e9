#include "platform/ui/ScrollView.h"

namespace platform {

void ScrollView::setDocumentView(const std::shared_ptr<View>& view) {
    if (const auto old = documentView())
        old->removeFromSuperview();
    documentView_.modify([&](auto& stored) {
        stored = view;
        if (view)
            addSubview(view);
    });
}

} // namespace platform

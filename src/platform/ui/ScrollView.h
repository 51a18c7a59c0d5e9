#pragma once

#include "platform/ui/View.h"

namespace platform {

// A view that scrolls its document view (the only subview it shows). Like any view it
// can be made first responder; that is how a window ends the editing of a text view
// inside it. Observable key: "documentView".
class ScrollView : public View {
public:
    using View::View;

    [[nodiscard]] std::shared_ptr<View> documentView() const { return documentView_; }
    // Replaces the previous document view, which leaves the scroll view.
    void setDocumentView(const std::shared_ptr<View>& view);

private:
    std::shared_ptr<View> documentView_;
};

} // namespace platform

#pragma once

#include "platform/base/Property.h"
#include "platform/ui/View.h"

namespace platform {

// A view that scrolls its document view (the only subview it shows). Like any view it
// can be made first responder; that is how a window ends the editing of a text view
// inside it. Observable: "documentView".
class ScrollView : public View {
public:
    using View::View;

    [[nodiscard]] std::shared_ptr<View> documentView() const { return documentView_.get(); }
    // Replaces the previous document view, which leaves the scroll view.
    void setDocumentView(const std::shared_ptr<View>& view);
    [[nodiscard]] const Property<std::shared_ptr<View>>& documentViewProperty() const {
        return documentView_;
    }

private:
    Property<std::shared_ptr<View>> documentView_{*this, u"documentView"};
};

} // namespace platform

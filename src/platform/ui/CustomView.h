#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/ui/DrawingContext.h"
#include "platform/ui/View.h"

#include <functional>

namespace platform {

// A view that draws itself: a subclass overrides drawRect, or a draw handler is set. The
// renderer asks for a drawing with display and replays it. Observable: "needsDisplay",
// told when the view asks to be drawn again.
class CustomView : public View {
public:
    using DrawHandler = std::function<void(DrawingContext& context, const Rect& dirtyRect)>;

    using View::View;

    void setDrawHandler(DrawHandler handler) { drawHandler_ = std::move(handler); }

    // Draws the part `dirtyRect` (in the view's coordinates) of the view.
    virtual void drawRect(DrawingContext& context, const Rect& dirtyRect);

    // The drawing of a part of the view, or of all of it.
    [[nodiscard]] DrawingContext displayRect(const Rect& dirtyRect);
    [[nodiscard]] DrawingContext display() { return displayRect(bounds()); }

    void setNeedsDisplay() { needsDisplay_.changed(); }
    [[nodiscard]] const ComputedProperty<bool>& needsDisplayProperty() const {
        return needsDisplay_;
    }

private:
    DrawHandler drawHandler_;
    // Nothing keeps a drawing between requests: each one asks anew.
    ComputedProperty<bool> needsDisplay_{*this, u"needsDisplay", [] { return true; }};
};

} // namespace platform

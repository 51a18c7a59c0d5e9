#include "platform/ui/CustomView.h"

namespace platform {

void CustomView::drawRect(DrawingContext& context, const Rect& dirtyRect) {
    if (drawHandler_)
        drawHandler_(context, dirtyRect);
}

DrawingContext CustomView::displayRect(const Rect& dirtyRect) {
    DrawingContext context;
    drawRect(context, dirtyRect);
    return context;
}

} // namespace platform

#include "platform/ui/DrawingContext.h"

namespace platform {

void DrawingContext::fillRect(const Rect& rect) {
    operations_.push_back({DrawingOperation::Kind::Fill, rect, color_, 0});
}

void DrawingContext::strokeRect(const Rect& rect) {
    operations_.push_back({DrawingOperation::Kind::Stroke, rect, color_, defaultLineWidth});
}

} // namespace platform

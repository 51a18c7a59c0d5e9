#pragma once

#include "platform/ui/DrawingOperation.h"

#include <vector>

namespace platform {

// Where a custom view draws: the model records the fills and strokes in order, in the
// view's coordinates, for the renderer to replay.
class DrawingContext {
public:
    static constexpr double defaultLineWidth = 1;

    // The current colour, black at first.
    [[nodiscard]] Color color() const { return color_; }
    void setColor(const Color& color) { color_ = color; }

    void fillRect(const Rect& rect);
    void strokeRect(const Rect& rect);

    [[nodiscard]] const std::vector<DrawingOperation>& operations() const { return operations_; }

private:
    Color color_;
    std::vector<DrawingOperation> operations_;
};

} // namespace platform

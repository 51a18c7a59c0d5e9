#pragma once

#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

namespace platform {

// A rectangle whose origin is its lower-left corner (y grows upwards), as windows and
// views hold their frames.
struct Rect {
    Point origin;
    Size size;

    Rect() = default;
    Rect(Point origin_, Size size_) : origin(origin_), size(size_) {}
    Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    [[nodiscard]] double minX() const { return origin.x; }
    [[nodiscard]] double minY() const { return origin.y; }
    [[nodiscard]] double maxX() const { return origin.x + size.width; }
    [[nodiscard]] double maxY() const { return origin.y + size.height; }
    [[nodiscard]] double width() const { return size.width; }
    [[nodiscard]] double height() const { return size.height; }

    bool operator==(const Rect&) const = default;
};

} // namespace platform

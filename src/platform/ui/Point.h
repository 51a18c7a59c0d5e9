#pragma once

namespace platform {

// A point in screen or view coordinates: the origin is at the lower left, y grows upwards.
struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

} // namespace platform

#pragma once

#include <optional>

namespace platform {

// How a renderer places a view's subviews: at their own frames, or one after another in
// a row (left to right) or a column (top to bottom) with the spacing between them.
enum class LayoutDirection { None, Row, Column };

// Simple hints for a renderer; the model itself never lays views out.
struct LayoutHints {
    LayoutDirection direction = LayoutDirection::None;
    double spacing = 0;
    // A view with a fixed size keeps it; without, it takes the room its parent gives it.
    std::optional<double> fixedWidth;
    std::optional<double> fixedHeight;

    bool operator==(const LayoutHints&) const = default;
};

} // namespace platform

#pragma once

#include "platform/text/Color.h"
#include "platform/ui/Rect.h"

namespace platform {

// One step of a drawing as a renderer replays it: a rectangle filled, or its outline
// stroked with a line of the width centred on the rectangle's edges.
struct DrawingOperation {
    enum class Kind { Fill, Stroke };

    Kind kind = Kind::Fill;
    Rect rect;
    Color color;
    double lineWidth = 0; // strokes only

    bool operator==(const DrawingOperation&) const = default;
};

} // namespace platform

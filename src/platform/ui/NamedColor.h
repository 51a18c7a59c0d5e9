#pragma once

#include "platform/text/Color.h"

namespace platform {

// The platform's named colours that views draw with, on the 8-bit scale of Color: white
// is grey level 1.0 and gray grey level 0.5 (rounded to 128).
class NamedColor {
public:
    [[nodiscard]] static constexpr Color whiteColor() { return {255, 255, 255}; }
    [[nodiscard]] static constexpr Color grayColor() { return {128, 128, 128}; }
};

} // namespace platform

#pragma once

#include <cstdint>

namespace platform {

// An opaque RGB colour, 8 bits a component as RTF's colour table holds it.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Color&) const = default;
};

} // namespace platform

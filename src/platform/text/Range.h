#pragma once

#include <cstddef>

namespace platform {

// A range of UTF-16 code units in a text.
struct Range {
    std::size_t location = 0;
    std::size_t length = 0;

    [[nodiscard]] constexpr std::size_t end() const { return location + length; }
    bool operator==(const Range&) const = default;
};

} // namespace platform

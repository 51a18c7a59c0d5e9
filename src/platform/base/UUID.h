#pragma once

#include "platform/base/String.h"

#include <array>
#include <cstdint>

namespace platform {

// A random (version 4) UUID.
class UUID {
public:
    // A new one at every call, from the kernel's random source.
    UUID();

    // 36 characters: upper-case hexadecimal digits in groups of 8, 4, 4, 4 and 12 joined
    // by "-".
    [[nodiscard]] String UUIDString() const;

    bool operator==(const UUID&) const = default;

private:
    std::array<std::uint8_t, 16> bytes_{};
};

} // namespace platform

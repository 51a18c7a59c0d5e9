#pragma once

#include <cstdint>

namespace platform {

// The state of a button or a menu item: a check mark is on.
using ControlState = std::int64_t;

inline constexpr ControlState ControlStateOff = 0;
inline constexpr ControlState ControlStateOn = 1;
inline constexpr ControlState ControlStateMixed = -1;

} // namespace platform

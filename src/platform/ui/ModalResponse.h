#pragma once

#include <cstdint>

namespace platform {

// The answer a sheet, an alert or a panel ends with.
using ModalResponse = std::int64_t;

inline constexpr ModalResponse ModalResponseCancel = 0;
inline constexpr ModalResponse ModalResponseOK = 1;
// A sheet ended without a return code.
inline constexpr ModalResponse ModalResponseStop = -1000;
// A modal session that ended without an answer.
inline constexpr ModalResponse ModalResponseAbort = -1001;

// An alert's buttons answer in the order they were added.
inline constexpr ModalResponse AlertFirstButtonReturn = 1000;
inline constexpr ModalResponse AlertSecondButtonReturn = 1001;
inline constexpr ModalResponse AlertThirdButtonReturn = 1002;

} // namespace platform

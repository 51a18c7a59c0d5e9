#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Fills `bytes` from the system's secure random source (or from a live
// SecureRandomOverride). Returns cryptoStatus::success or a non-zero status.
[[nodiscard]] std::int32_t secureRandomBytes(std::uint8_t* bytes, std::size_t count);

} // namespace platform

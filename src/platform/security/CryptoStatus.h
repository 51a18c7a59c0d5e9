#pragma once

#include <cstdint>

// Status codes of the crypto services: 0 is success, every failure is non-zero.
namespace platform::cryptoStatus {

inline constexpr std::int32_t success = 0;
// An argument the operation cannot take (operation, options, key length, IV, sizes).
inline constexpr std::int32_t paramError = -1;
// The output space is smaller than what the step may write.
inline constexpr std::int32_t bufferTooSmall = -2;
// Without padding, the input is not a whole number of blocks.
inline constexpr std::int32_t alignmentError = -3;
// The ciphertext is not whole blocks or its padding is not valid PKCS#7.
inline constexpr std::int32_t decodeError = -4;
// libcrypto refused the operation for a reason of its own.
inline constexpr std::int32_t libraryFailure = -5;
// The secure random source could not deliver.
inline constexpr std::int32_t randomFailure = -6;

} // namespace platform::cryptoStatus

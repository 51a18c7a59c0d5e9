#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

enum class PseudoRandomFunction : std::uint32_t {
    hmacSHA1 = 1,
};

// PBKDF2 (RFC 8018). Returns cryptoStatus::success or a non-zero status; on failure the
// output buffer is left as it was.
[[nodiscard]] std::int32_t deriveKeyPBKDF2(const std::uint8_t* password, std::size_t passwordLength,
                                           const std::uint8_t* salt, std::size_t saltLength,
                                           PseudoRandomFunction prf, std::uint32_t rounds,
                                           std::uint8_t* derivedKey, std::size_t derivedKeyLength);

} // namespace platform

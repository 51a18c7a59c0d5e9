#pragma once

#include <cstdint>
#include <memory>

// Status of BlowfishDecryptBuffer.
inline constexpr std::int32_t BlowfishStatusSuccess = 0;
inline constexpr std::int32_t BlowfishStatusUpdateFailed = 1;
// Bad padding, or a ciphertext whose length is not a multiple of 8.
inline constexpr std::int32_t BlowfishStatusFinalFailed = 2;
// The cipher could not be set up (no legacy provider, a missing argument).
inline constexpr std::int32_t BlowfishStatusUnavailable = 3;

// Blowfish-CBC with PKCS#5 padding. The key is always 16 bytes: the first keyLength bytes
// of `key` (at most 16) followed by zero bytes, so characters past the 16th take no part.
// `vector` is 8 bytes. An input length of 0 or less gives none with output length 0.
[[nodiscard]] std::unique_ptr<std::uint8_t[]>
BlowfishEncryptBuffer(const std::uint8_t* input, std::int32_t inputLength, const std::uint8_t* key,
                      std::int32_t keyLength, const std::uint8_t* vector,
                      std::int32_t& outputLength);

// Always writes `status`; none unless it is BlowfishStatusSuccess.
[[nodiscard]] std::unique_ptr<std::uint8_t[]>
BlowfishDecryptBuffer(const std::uint8_t* input, std::int32_t inputLength, const std::uint8_t* key,
                      std::int32_t keyLength, const std::uint8_t* vector,
                      std::int32_t& outputLength, std::int32_t& status);

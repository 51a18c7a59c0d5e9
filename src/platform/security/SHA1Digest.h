#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform {

inline constexpr std::size_t sha1DigestLength = 20;

using SHA1Digest = std::array<std::uint8_t, sha1DigestLength>;

// None only when libcrypto reports a failure.
[[nodiscard]] std::optional<SHA1Digest> sha1Digest(const std::uint8_t* bytes, std::size_t length);

} // namespace platform

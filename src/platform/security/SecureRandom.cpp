#include "platform/security/SecureRandom.h"

#include "platform/security/CryptoStatus.h"
#include "platform/security/SecureRandomOverride.h"

#include <algorithm>
#include <climits>
#include <openssl/rand.h>

namespace platform {
namespace {

std::int32_t systemRandomBytes(std::uint8_t* bytes, std::size_t count) {
    constexpr std::size_t maxPiece = INT_MAX;
    for (std::size_t offset = 0; offset < count;) {
        const std::size_t piece = std::min(maxPiece, count - offset);
        if (RAND_bytes(bytes + offset, static_cast<int>(piece)) != 1)
            return cryptoStatus::randomFailure;
        offset += piece;
    }
    return cryptoStatus::success;
}

} // namespace

std::int32_t secureRandomBytes(std::uint8_t* bytes, std::size_t count) {
    if (bytes == nullptr && count > 0)
        return cryptoStatus::paramError;
    if (const SecureRandomOverride::Source* source = SecureRandomOverride::active())
        return (*source)(bytes, count);
    return systemRandomBytes(bytes, count);
}

} // namespace platform

#include "platform/security/SHA1Digest.h"

#include <openssl/evp.h>

namespace platform {

std::optional<SHA1Digest> sha1Digest(const std::uint8_t* bytes, std::size_t length) {
    static constexpr std::uint8_t nothing = 0;
    if (bytes == nullptr && length > 0)
        return std::nullopt;
    SHA1Digest digest{};
    unsigned int written = 0;
    if (EVP_Digest(bytes != nullptr ? bytes : &nothing, length, digest.data(), &written, EVP_sha1(),
                   nullptr) != 1 ||
        written != digest.size())
        return std::nullopt;
    return digest;
}

} // namespace platform

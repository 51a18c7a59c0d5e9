#include "platform/security/KeyDerivation.h"

#include "platform/security/CryptoStatus.h"

#include <algorithm>
#include <climits>
#include <openssl/evp.h>
#include <vector>

namespace platform {
namespace {

bool fitsInt(std::size_t length) {
    return length <= static_cast<std::size_t>(INT_MAX);
}

bool validArguments(const std::uint8_t* password, std::size_t passwordLength,
                    const std::uint8_t* salt, std::size_t saltLength, PseudoRandomFunction prf,
                    std::uint32_t rounds, const std::uint8_t* derivedKey,
                    std::size_t derivedKeyLength) {
    return prf == PseudoRandomFunction::hmacSHA1 && rounds >= 1 && rounds <= INT_MAX &&
           (password != nullptr || passwordLength == 0) && fitsInt(passwordLength) &&
           (salt != nullptr || saltLength == 0) && fitsInt(saltLength) && derivedKey != nullptr &&
           derivedKeyLength > 0 && fitsInt(derivedKeyLength);
}

} // namespace

std::int32_t deriveKeyPBKDF2(const std::uint8_t* password, std::size_t passwordLength,
                             const std::uint8_t* salt, std::size_t saltLength,
                             PseudoRandomFunction prf, std::uint32_t rounds,
                             std::uint8_t* derivedKey, std::size_t derivedKeyLength) {
    if (!validArguments(password, passwordLength, salt, saltLength, prf, rounds, derivedKey,
                        derivedKeyLength))
        return cryptoStatus::paramError;
    // Derive into a buffer of our own so that a failure leaves the caller's untouched.
    std::vector<unsigned char> out(derivedKeyLength);
    const int ok =
        PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(password), static_cast<int>(passwordLength),
                          salt, static_cast<int>(saltLength), static_cast<int>(rounds), EVP_sha1(),
                          static_cast<int>(derivedKeyLength), out.data());
    if (ok != 1)
        return cryptoStatus::libraryFailure;
    std::copy(out.begin(), out.end(), derivedKey);
    return cryptoStatus::success;
}

} // namespace platform

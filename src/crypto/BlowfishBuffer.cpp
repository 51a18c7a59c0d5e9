#include "crypto/BlowfishBuffer.h"

#include "crypto/OpenSslLegacyProviders.h"

#include <algorithm>
#include <array>
#include <limits>
#include <openssl/evp.h>

namespace {

constexpr std::int32_t keySize = 16;
constexpr std::int32_t blockSize = 8;

struct ContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

// Stored bodies were keyed by OpenSSL 1.1.1 with 16 bytes whatever the password's length:
// its key-length call after the init left the key schedule alone. On OpenSSL 3 that call
// discards the key, so the 16 bytes are made here and the cipher keeps its default length.
std::array<unsigned char, keySize> effectiveKey(const std::uint8_t* key, std::int32_t keyLength) {
    std::array<unsigned char, keySize> bytes{};
    if (key != nullptr && keyLength > 0)
        std::copy_n(key, std::min(keyLength, keySize), bytes.begin());
    return bytes;
}

CipherContext startCipher(bool encrypt, const std::uint8_t* key, std::int32_t keyLength,
                          const std::uint8_t* vector) {
    if (vector == nullptr || (key == nullptr && keyLength > 0) ||
        !OpenSslLegacyProviders::shared().isLoaded())
        return nullptr;
    CipherContext context(EVP_CIPHER_CTX_new());
    const auto bytes = effectiveKey(key, keyLength);
    if (!context ||
        EVP_CipherInit_ex(context.get(), EVP_bf_cbc(), nullptr, bytes.data(), vector,
                          encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 1) != 1)
        return nullptr;
    return context;
}

// Room for the whole input and one block of padding.
std::unique_ptr<std::uint8_t[]> workingBuffer(std::int32_t inputLength) {
    return std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(inputLength) + blockSize);
}

} // namespace

std::unique_ptr<std::uint8_t[]>
BlowfishEncryptBuffer(const std::uint8_t* input, std::int32_t inputLength, const std::uint8_t* key,
                      std::int32_t keyLength, const std::uint8_t* vector,
                      std::int32_t& outputLength) {
    outputLength = 0;
    // The padded output must still have a 32-bit length.
    if (inputLength <= 0 || input == nullptr ||
        inputLength > std::numeric_limits<std::int32_t>::max() - blockSize)
        return nullptr;
    const auto context = startCipher(true, key, keyLength, vector);
    if (!context)
        return nullptr;
    auto output = workingBuffer(inputLength);
    int updated = 0;
    int finished = 0;
    if (EVP_EncryptUpdate(context.get(), output.get(), &updated, input, inputLength) != 1 ||
        EVP_EncryptFinal_ex(context.get(), output.get() + updated, &finished) != 1)
        return nullptr;
    outputLength = updated + finished;
    return output;
}

std::unique_ptr<std::uint8_t[]>
BlowfishDecryptBuffer(const std::uint8_t* input, std::int32_t inputLength, const std::uint8_t* key,
                      std::int32_t keyLength, const std::uint8_t* vector,
                      std::int32_t& outputLength, std::int32_t& status) {
    outputLength = 0;
    status = BlowfishStatusSuccess;
    if (inputLength <= 0)
        return nullptr;
    const auto context = startCipher(false, key, keyLength, vector);
    if (input == nullptr || !context) {
        status = BlowfishStatusUnavailable;
        return nullptr;
    }
    auto output = workingBuffer(inputLength);
    int updated = 0;
    if (EVP_DecryptUpdate(context.get(), output.get(), &updated, input, inputLength) != 1) {
        status = BlowfishStatusUpdateFailed;
        return nullptr;
    }
    int finished = 0;
    if (EVP_DecryptFinal_ex(context.get(), output.get() + updated, &finished) != 1) {
        status = BlowfishStatusFinalFailed;
        return nullptr;
    }
    outputLength = updated + finished;
    return output;
}

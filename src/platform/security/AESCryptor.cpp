#include "platform/security/AESCryptor.h"

#include "platform/security/CryptoStatus.h"

#include <algorithm>
#include <array>
#include <openssl/evp.h>

namespace platform {

struct AESCryptor::Context {
    explicit Context(EVP_CIPHER_CTX* c) : ctx(c) {}
    ~Context() { EVP_CIPHER_CTX_free(ctx); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    EVP_CIPHER_CTX* ctx;
};

namespace {

constexpr std::uint32_t knownOptions = AESCryptor::optionPKCS7Padding | AESCryptor::optionECBMode;

// libcrypto counts lengths in int; larger inputs go through in whole-block pieces.
constexpr std::size_t maxPiece = std::size_t{1} << 30;

const EVP_CIPHER* cipherFor(std::size_t keyLength, bool ecb) {
    switch (keyLength) {
    case 16:
        return ecb ? EVP_aes_128_ecb() : EVP_aes_128_cbc();
    case 24:
        return ecb ? EVP_aes_192_ecb() : EVP_aes_192_cbc();
    case 32:
        return ecb ? EVP_aes_256_ecb() : EVP_aes_256_cbc();
    default:
        return nullptr;
    }
}

bool validArguments(std::uint32_t operation, std::uint32_t options, const std::uint8_t* key,
                    const std::uint8_t* iv) {
    const bool ecb = (options & AESCryptor::optionECBMode) != 0;
    return (operation == AESCryptor::encrypt || operation == AESCryptor::decrypt) &&
           (options & ~knownOptions) == 0 && key != nullptr && (ecb || iv != nullptr);
}

} // namespace

std::int32_t AESCryptor::create(std::uint32_t operation, std::uint32_t options,
                                const std::uint8_t* key, std::size_t keyLength,
                                const std::uint8_t* iv, std::unique_ptr<AESCryptor>& cryptor) {
    cryptor.reset();
    const bool ecb = (options & optionECBMode) != 0;
    const EVP_CIPHER* cipher = cipherFor(keyLength, ecb);
    if (cipher == nullptr || !validArguments(operation, options, key, iv))
        return cryptoStatus::paramError;
    auto context = std::make_unique<Context>(EVP_CIPHER_CTX_new());
    if (context->ctx == nullptr)
        return cryptoStatus::libraryFailure;
    const bool encrypting = operation == encrypt;
    const bool padding = (options & optionPKCS7Padding) != 0;
    if (EVP_CipherInit_ex(context->ctx, cipher, nullptr, key, ecb ? nullptr : iv,
                          encrypting ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(context->ctx, padding ? 1 : 0) != 1)
        return cryptoStatus::libraryFailure;
    cryptor.reset(new AESCryptor(std::move(context), encrypting, padding));
    return cryptoStatus::success;
}

AESCryptor::AESCryptor(std::unique_ptr<Context> context, bool encrypting, bool padding)
    : context_(std::move(context)), encrypting_(encrypting), padding_(padding) {}

AESCryptor::~AESCryptor() = default;

std::size_t AESCryptor::outputLength(std::size_t inputLength, bool final) const {
    const std::size_t pending = buffered_ + inputLength;
    const std::size_t whole = pending - pending % blockSize;
    if (final && encrypting_ && padding_)
        return whole + blockSize;
    return whole;
}

std::int32_t AESCryptor::update(const std::uint8_t* input, std::size_t inputLength,
                                std::uint8_t* output, std::size_t outputAvailable,
                                std::size_t& outputMoved) {
    outputMoved = 0;
    const std::size_t required = outputLength(inputLength, false);
    if (finished_ || (input == nullptr && inputLength > 0) || (output == nullptr && required > 0))
        return cryptoStatus::paramError;
    if (outputAvailable < required)
        return cryptoStatus::bufferTooSmall;
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < inputLength;) {
        const std::size_t piece = std::min(maxPiece, inputLength - offset);
        int moved = 0;
        if (EVP_CipherUpdate(context_->ctx, output + written, &moved, input + offset,
                             static_cast<int>(piece)) != 1)
            return cryptoStatus::libraryFailure;
        written += static_cast<std::size_t>(moved);
        offset += piece;
    }
    buffered_ = buffered_ + inputLength - written;
    outputMoved = written;
    return cryptoStatus::success;
}

std::size_t AESCryptor::finalOutputBound() const {
    if (!padding_)
        return 0;
    return encrypting_ ? blockSize : buffered_;
}

std::int32_t AESCryptor::finalPrecondition() const {
    if (finished_)
        return cryptoStatus::paramError;
    if (!padding_ && buffered_ != 0)
        return cryptoStatus::alignmentError;
    if (padding_ && !encrypting_ && buffered_ != blockSize)
        return cryptoStatus::decodeError;
    return cryptoStatus::success;
}

std::int32_t AESCryptor::final(std::uint8_t* output, std::size_t outputAvailable,
                               std::size_t& outputMoved) {
    outputMoved = 0;
    if (const std::int32_t status = finalPrecondition(); status != cryptoStatus::success)
        return status;
    const std::size_t bound = finalOutputBound();
    if (output == nullptr && bound > 0)
        return cryptoStatus::paramError;
    if (outputAvailable < bound)
        return cryptoStatus::bufferTooSmall;
    finished_ = true;
    // libcrypto assumes a whole block of space; without padding it writes nothing.
    std::array<std::uint8_t, blockSize> unused{};
    int moved = 0;
    if (EVP_CipherFinal_ex(context_->ctx, bound > 0 ? output : unused.data(), &moved) != 1)
        return encrypting_ ? cryptoStatus::libraryFailure : cryptoStatus::decodeError;
    buffered_ = 0;
    outputMoved = static_cast<std::size_t>(moved);
    return cryptoStatus::success;
}

} // namespace platform

#include "crypto/LWCommonCrypto.h"

#include "crypto/RandomIntInRange.h"
#include "platform/security/AESCryptor.h"
#include "platform/security/CryptoStatus.h"
#include "platform/security/KeyDerivation.h"
#include "platform/security/OutputBuffer.h"
#include "platform/security/SHA1Digest.h"
#include "platform/security/SecureRandom.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr std::size_t keyLength = 32;
constexpr std::uint32_t derivationRounds = 10000;
constexpr std::uint64_t ivLength = platform::AESCryptor::ivLength;
constexpr std::uint64_t saltLength = 8;
constexpr std::size_t checkStringLength = 256;

// Encryption only knows ECB without padding and CBC with padding.
std::uint32_t settledOptions(std::uint32_t context, std::uint32_t options) {
    if (context != LWCommonCrypto::contextEncrypt || options == platform::AESCryptor::optionECBMode)
        return options;
    return platform::AESCryptor::optionPKCS7Padding;
}

// Update and final into one buffer sized for both; the cryptor is released before the
// result is handed back.
std::optional<platform::Data> runCryptor(std::unique_ptr<platform::AESCryptor> cryptor,
                                         const platform::Data& input, std::int32_t& status) {
    platform::Data out = platform::zeroedOutputBuffer(cryptor->outputLength(input.size(), true));
    std::size_t updated = 0;
    status = cryptor->update(input.data(), input.size(), out.data(), out.size(), updated);
    if (status != platform::cryptoStatus::success)
        return std::nullopt;
    std::size_t finished = 0;
    status = cryptor->final(out.data() + updated, out.size() - updated, finished);
    cryptor.reset();
    if (status != platform::cryptoStatus::success)
        return std::nullopt;
    out.resize(updated + finished);
    return out;
}

} // namespace

LWCommonCrypto::LWCommonCrypto() : LWCommonCrypto(std::nullopt) {}

LWCommonCrypto::LWCommonCrypto(std::optional<platform::String> password)
    : password_(std::move(password)) {
    IV_ = randomDataOfLength(ivLength);
    salt_ = randomDataOfLength(saltLength);
    AESKey_ = AESKeyForPassword(password_, salt_);
}

void LWCommonCrypto::recalcIV_Salt_AESKey() {
    IV_ = randomDataOfLength(ivLength);
    salt_ = randomDataOfLength(saltLength);
    AESKey_ = AESKeyForPassword(password_, salt_);
}

void LWCommonCrypto::setPasswordToDecrypt(std::optional<platform::String> password,
                                          std::optional<platform::Data> iv,
                                          std::optional<platform::Data> salt) {
    password_ = std::move(password);
    IV_ = std::move(iv);
    salt_ = std::move(salt);
}

void LWCommonCrypto::setPasswordToEncrypt(std::optional<platform::String> password) {
    password_ = std::move(password);
    recalcIV_Salt_AESKey();
}

// A failing random source leaves the salt or IV missing: nothing is ever encrypted
// without them. A password without UTF-8 form would key with zeros, so it encrypts nothing.
std::int32_t LWCommonCrypto::refusal(std::uint32_t context) const {
    if (!IV_ || IV_->size() != ivLength)
        return statusMissingIV;
    if (!salt_)
        return statusMissingSalt;
    if (context == contextEncrypt && password_ && !platform::toUtf8(*password_))
        return statusPasswordWithoutUTF8;
    return platform::cryptoStatus::success;
}

std::optional<platform::Data> LWCommonCrypto::doCipher(const std::optional<platform::Data>& input,
                                                       const std::optional<platform::Data>&,
                                                       std::uint32_t context,
                                                       std::uint32_t& options,
                                                       std::int32_t& status) {
    AESKey_ = AESKeyForPassword(password_, salt_);
    std::array<std::uint8_t, keyLength> key{};
    std::copy_n(AESKey_->begin(), keyLength, key.begin());
    options = settledOptions(context, options);

    status = refusal(context);
    if (status != platform::cryptoStatus::success)
        return std::nullopt;
    std::array<std::uint8_t, ivLength> iv{};
    std::copy_n(IV_->begin(), ivLength, iv.begin());

    std::unique_ptr<platform::AESCryptor> cryptor;
    status =
        platform::AESCryptor::create(context, options, key.data(), key.size(), iv.data(), cryptor);
    if (status != platform::cryptoStatus::success)
        return std::nullopt;

    static const platform::Data empty;
    return runCryptor(std::move(cryptor), input ? *input : empty, status);
}

std::optional<platform::Data> LWCommonCrypto::encrypt(const std::optional<platform::Data>& input,
                                                      const std::optional<platform::Data>& key,
                                                      std::uint32_t& options) {
    std::int32_t status = 0;
    return doCipher(input, key, contextEncrypt, options, status);
}

std::optional<platform::Data> LWCommonCrypto::decrypt(const std::optional<platform::Data>& input,
                                                      const std::optional<platform::Data>& key,
                                                      std::uint32_t& options) {
    std::int32_t status = 0;
    return doCipher(input, key, contextDecrypt, options, status);
}

std::optional<platform::Data> LWCommonCrypto::encrypt(const std::optional<platform::Data>& input,
                                                      std::int32_t& status) {
    std::uint32_t options = platform::AESCryptor::optionPKCS7Padding;
    return doCipher(input, std::nullopt, contextEncrypt, options, status);
}

std::optional<platform::Data> LWCommonCrypto::decrypt(const std::optional<platform::Data>& input,
                                                      std::int32_t& status) {
    std::uint32_t options = platform::AESCryptor::optionPKCS7Padding;
    return doCipher(input, std::nullopt, contextDecrypt, options, status);
}

platform::String LWCommonCrypto::generateRandom256AsciiString() {
    platform::String text;
    text.reserve(checkStringLength);
    for (std::size_t i = 0; i < checkStringLength; ++i) {
        const auto code = static_cast<std::int32_t>(RandomIntInRange(1, 255));
        text.push_back(static_cast<char16_t>(code));
    }
    return text;
}

std::optional<platform::Data> LWCommonCrypto::randomDataOfLength(std::uint64_t length) {
    platform::Data bytes(length);
    if (platform::secureRandomBytes(bytes.data(), bytes.size()) != platform::cryptoStatus::success)
        return std::nullopt;
    return bytes;
}

// The password enters with as many UTF-8 bytes as it has UTF-16 units: stored documents
// depend on that cut, which can fall inside a character.
platform::Data LWCommonCrypto::AESKeyForPassword(const std::optional<platform::String>& password,
                                                 const std::optional<platform::Data>& salt) {
    platform::Data key(keyLength, 0);
    std::string bytes;
    if (password) {
        auto utf8 = platform::toUtf8(*password);
        if (!utf8)
            return key;
        bytes = std::move(*utf8);
    }
    const std::size_t used = std::min(password ? password->size() : 0, bytes.size());
    static const platform::Data noSalt;
    const platform::Data& saltBytes = salt ? *salt : noSalt;
    // A failed derivation leaves the zero key.
    static_cast<void>(platform::deriveKeyPBKDF2(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                used, saltBytes.data(), saltBytes.size(),
                                                platform::PseudoRandomFunction::hmacSHA1,
                                                derivationRounds, key.data(), key.size()));
    return key;
}

std::optional<platform::Data> LWCommonCrypto::dataSHA1(const std::optional<platform::Data>& input) {
    static const platform::Data empty;
    const platform::Data& bytes = input ? *input : empty;
    const auto digest = platform::sha1Digest(bytes.data(), bytes.size());
    if (!digest)
        return std::nullopt;
    return platform::Data(digest->begin(), digest->end());
}

#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <cstdint>
#include <optional>

// Password-based AES-256-CBC with PKCS#7 padding. The key is derived again from the
// current password and salt at every cipher call (PBKDF2-HMAC-SHA1, 10000 rounds).
// One object serves one thread at a time.
class LWCommonCrypto {
public:
    static constexpr std::uint32_t contextEncrypt = 0;
    static constexpr std::uint32_t contextDecrypt = 1;

    // Refusals of the cipher routine, beside the cryptor's own statuses.
    static constexpr std::int32_t statusMissingIV = -101; // none, or not 16 bytes
    static constexpr std::int32_t statusMissingSalt = -102;
    // Encryption under a password that has no UTF-8 form (a lone surrogate).
    static constexpr std::int32_t statusPasswordWithoutUTF8 = -103;

    LWCommonCrypto();
    explicit LWCommonCrypto(std::optional<platform::String> password);

    void recalcIV_Salt_AESKey();
    void setPasswordToDecrypt(std::optional<platform::String> password,
                              std::optional<platform::Data> iv, std::optional<platform::Data> salt);
    void setPasswordToEncrypt(std::optional<platform::String> password);

    // `key` is not used: the key always comes from `password` and `salt`.
    [[nodiscard]] std::optional<platform::Data>
    doCipher(const std::optional<platform::Data>& input, const std::optional<platform::Data>& key,
             std::uint32_t context, std::uint32_t& options, std::int32_t& status);
    [[nodiscard]] std::optional<platform::Data> encrypt(const std::optional<platform::Data>& input,
                                                        const std::optional<platform::Data>& key,
                                                        std::uint32_t& options);
    [[nodiscard]] std::optional<platform::Data> decrypt(const std::optional<platform::Data>& input,
                                                        const std::optional<platform::Data>& key,
                                                        std::uint32_t& options);
    [[nodiscard]] std::optional<platform::Data> encrypt(const std::optional<platform::Data>& input,
                                                        std::int32_t& status);
    [[nodiscard]] std::optional<platform::Data> decrypt(const std::optional<platform::Data>& input,
                                                        std::int32_t& status);

    [[nodiscard]] const std::optional<platform::String>& password() const { return password_; }
    void setPassword(std::optional<platform::String> password) { password_ = std::move(password); }
    [[nodiscard]] const std::optional<platform::Data>& salt() const { return salt_; }
    void setSalt(std::optional<platform::Data> salt) { salt_ = std::move(salt); }
    [[nodiscard]] const std::optional<platform::Data>& AESKey() const { return AESKey_; }
    void setAESKey(std::optional<platform::Data> key) { AESKey_ = std::move(key); }
    [[nodiscard]] const std::optional<platform::Data>& IV() const { return IV_; }
    void setIV(std::optional<platform::Data> iv) { IV_ = std::move(iv); }

    [[nodiscard]] static platform::String generateRandom256AsciiString();
    // None when the secure random source reports failure.
    [[nodiscard]] static std::optional<platform::Data> randomDataOfLength(std::uint64_t length);
    // Always 32 bytes; all zero when the derivation fails or the password has no UTF-8 form.
    [[nodiscard]] static platform::Data
    AESKeyForPassword(const std::optional<platform::String>& password,
                      const std::optional<platform::Data>& salt);
    // None only when the digest fails; a missing input digests as empty.
    [[nodiscard]] static std::optional<platform::Data>
    dataSHA1(const std::optional<platform::Data>& input);

private:
    [[nodiscard]] std::int32_t refusal(std::uint32_t context) const;

    std::optional<platform::String> password_;
    std::optional<platform::Data> salt_;
    std::optional<platform::Data> AESKey_;
    std::optional<platform::Data> IV_;
};

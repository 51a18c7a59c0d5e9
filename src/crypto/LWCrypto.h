#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <cstdint>
#include <optional>

// Status of the decrypting operations besides those of BlowfishDecryptBuffer.
// The password, or the plaintext taken as text, has no form in the 8-bit encoding.
inline constexpr std::int32_t LWCryptoStatusNoByteForm = 4;
inline constexpr std::int32_t LWCryptoStatusNoVector = 5;
// The cipher counts lengths in 32 bits.
inline constexpr std::int32_t LWCryptoStatusTooLong = 6;
// decryptToLong: a plaintext of neither 4 nor 8 bytes.
inline constexpr std::int32_t LWCryptoStatusNotALong = 7;

// Blowfish-CBC over an 8-byte vector and a password, for the bodies of the oldest files.
// The key is the password's first 16 Mac OS Roman bytes, zero-filled to 16.
class LWCrypto {
public:
    LWCrypto();
    // `vector`: 8 bytes, or null for none.
    LWCrypto(const std::uint8_t* vector, std::optional<platform::String> password);

    // A vector, and a password that is not "" (a missing one counts as ready).
    [[nodiscard]] bool isReady() const;
    void setInitVector(const std::uint8_t* vector);
    void setPassword(std::optional<platform::String> password);
    [[nodiscard]] const std::optional<platform::Data>& myIV() const { return myIV_; }
    [[nodiscard]] const std::optional<platform::String>& myPassword() const { return myPassword_; }

    // None when not ready, when the password or the string has no Mac OS Roman form, or
    // when the cipher fails. Empty input gives empty data, without a padding block.
    [[nodiscard]] std::optional<platform::Data> cryptString(const platform::String& string) const;
    [[nodiscard]] std::optional<platform::Data>
    cryptData(const std::optional<platform::Data>& data) const;
    // 8 bytes, least significant first.
    [[nodiscard]] std::optional<platform::Data> cryptLong(std::int64_t value) const;
    // The low 32 bits as 4 bytes, least significant first.
    [[nodiscard]] std::optional<platform::Data> cryptLongToInt32(std::int64_t value) const;

    // These do not ask isReady: they decrypt with whatever key the password gives. They
    // always write errorCode; a result comes only with status 0. Empty or missing input
    // gives status 0 and an empty result.
    [[nodiscard]] std::optional<platform::String>
    decryptToString(const std::optional<platform::Data>& data, std::int32_t& errorCode) const;
    [[nodiscard]] std::optional<platform::Data>
    decryptToData(const std::optional<platform::Data>& data, std::int32_t& errorCode) const;
    // A 4-byte plaintext is widened with its sign; 0 after a non-zero status.
    [[nodiscard]] std::int64_t decryptToLong(const std::optional<platform::Data>& data,
                                             std::int32_t& errorCode) const;

private:
    [[nodiscard]] std::optional<platform::Data> encrypt(const platform::Data& plain) const;
    [[nodiscard]] std::optional<platform::Data> decrypt(const std::optional<platform::Data>& data,
                                                        std::int32_t& errorCode) const;

    std::optional<platform::Data> myIV_;
    std::optional<platform::String> myPassword_;
};

#include "crypto/LWCrypto.h"

#include "crypto/BlowfishBuffer.h"
#include "platform/base/StringEncoding.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr std::size_t vectorSize = 8;
constexpr std::size_t minimumKeyBufferSize = 16;
constexpr std::size_t largestInput =
    static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - 8;

// The password's Mac OS Roman bytes, zero-filled to at least 16. None when the password
// has no such form: a substitute would be a wrong key.
std::optional<platform::Data> keyBuffer(const std::optional<platform::String>& password) {
    const platform::String text = password.value_or(platform::String());
    const auto bytes = platform::encodeString(text, platform::StringEncoding::MacOSRoman);
    if (!bytes || bytes->size() != text.size() || bytes->size() > largestInput)
        return std::nullopt;
    platform::Data key(std::max(bytes->size(), minimumKeyBufferSize), 0);
    std::copy(bytes->begin(), bytes->end(), key.begin());
    return key;
}

// K of the buffer functions: the password's length in UTF-16 units, which keyBuffer has
// checked to be its Mac OS Roman byte count.
std::int32_t keyLength(const std::optional<platform::String>& password) {
    return static_cast<std::int32_t>(password ? password->size() : 0);
}

platform::Data littleEndian(std::uint64_t value, std::size_t size) {
    platform::Data bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

std::uint64_t readLittleEndian(const platform::Data& bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

LWCrypto::LWCrypto() : LWCrypto(nullptr, platform::String()) {}

LWCrypto::LWCrypto(const std::uint8_t* vector, std::optional<platform::String> password) {
    setInitVector(vector);
    setPassword(std::move(password));
}

bool LWCrypto::isReady() const {
    return myPassword_ != platform::String() && myIV_.has_value();
}

void LWCrypto::setInitVector(const std::uint8_t* vector) {
    if (vector == nullptr)
        myIV_.reset();
    else
        myIV_.emplace(vector, vector + vectorSize);
}

void LWCrypto::setPassword(std::optional<platform::String> password) {
    myPassword_ = std::move(password);
}

std::optional<platform::Data> LWCrypto::cryptString(const platform::String& string) const {
    if (!isReady())
        return std::nullopt;
    const auto bytes = platform::encodeString(string, platform::StringEncoding::MacOSRoman);
    if (!bytes)
        return std::nullopt;
    return encrypt(platform::dataFromBytes(*bytes));
}

std::optional<platform::Data> LWCrypto::cryptData(const std::optional<platform::Data>& data) const {
    if (!isReady())
        return std::nullopt;
    return encrypt(data.value_or(platform::Data()));
}

std::optional<platform::Data> LWCrypto::cryptLong(std::int64_t value) const {
    if (!isReady())
        return std::nullopt;
    return encrypt(littleEndian(static_cast<std::uint64_t>(value), 8));
}

std::optional<platform::Data> LWCrypto::cryptLongToInt32(std::int64_t value) const {
    if (!isReady())
        return std::nullopt;
    return encrypt(littleEndian(static_cast<std::uint64_t>(value), 4));
}

std::optional<platform::String> LWCrypto::decryptToString(const std::optional<platform::Data>& data,
                                                          std::int32_t& errorCode) const {
    const auto plain = decrypt(data, errorCode);
    if (!plain)
        return std::nullopt;
    auto text =
        platform::decodeString(platform::bytesOf(*plain), platform::defaultCStringEncoding());
    if (!text)
        errorCode = LWCryptoStatusNoByteForm;
    return text;
}

std::optional<platform::Data> LWCrypto::decryptToData(const std::optional<platform::Data>& data,
                                                      std::int32_t& errorCode) const {
    return decrypt(data, errorCode);
}

std::int64_t LWCrypto::decryptToLong(const std::optional<platform::Data>& data,
                                     std::int32_t& errorCode) const {
    const auto plain = decrypt(data, errorCode);
    if (!plain)
        return 0;
    if (plain->size() == 4)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittleEndian(*plain)));
    if (plain->size() == 8)
        return static_cast<std::int64_t>(readLittleEndian(*plain));
    errorCode = LWCryptoStatusNotALong;
    return 0;
}

std::optional<platform::Data> LWCrypto::encrypt(const platform::Data& plain) const {
    const auto key = keyBuffer(myPassword_);
    if (!key || !myIV_ || plain.size() > largestInput)
        return std::nullopt;
    if (plain.empty())
        return platform::Data();
    std::int32_t length = 0;
    const auto cipher =
        BlowfishEncryptBuffer(plain.data(), static_cast<std::int32_t>(plain.size()), key->data(),
                              keyLength(myPassword_), myIV_->data(), length);
    if (!cipher)
        return std::nullopt;
    return platform::Data(cipher.get(), cipher.get() + length);
}

std::optional<platform::Data> LWCrypto::decrypt(const std::optional<platform::Data>& data,
                                                std::int32_t& errorCode) const {
    const auto key = keyBuffer(myPassword_);
    const std::size_t size = data ? data->size() : 0;
    const std::int32_t refusal = !myIV_                ? LWCryptoStatusNoVector
                                 : !key                ? LWCryptoStatusNoByteForm
                                 : size > largestInput ? LWCryptoStatusTooLong
                                                       : BlowfishStatusSuccess;
    if (refusal != BlowfishStatusSuccess) {
        errorCode = refusal;
        return std::nullopt;
    }
    std::int32_t length = 0;
    const auto plain = BlowfishDecryptBuffer(
        data ? data->data() : nullptr, static_cast<std::int32_t>(size), key->data(),
        keyLength(myPassword_), myIV_->data(), length, errorCode);
    if (errorCode != BlowfishStatusSuccess)
        return std::nullopt;
    if (!plain)
        return platform::Data(); // empty input
    return platform::Data(plain.get(), plain.get() + length);
}

#include "crypto/Base64.h"

#include <algorithm>

namespace {

using platform::Base64Transform;

std::optional<platform::Data> asciiBytes(const platform::String& string) {
    if (std::any_of(string.begin(), string.end(), [](char16_t unit) { return unit > 0x7F; }))
        return std::nullopt;
    platform::Data bytes(string.size());
    std::transform(string.begin(), string.end(), bytes.begin(),
                   [](char16_t unit) { return static_cast<std::uint8_t>(unit); });
    return bytes;
}

platform::String asciiText(const platform::Data& bytes) {
    return platform::String(bytes.begin(), bytes.end());
}

} // namespace

std::optional<platform::String> Base64::base64EncodedString(const platform::Data& data) {
    return base64enc(data);
}

std::optional<platform::String> Base64::base64enc(const platform::Data& data) {
    const auto output =
        transformExecuter(data, Base64Transform::create(Base64Transform::Direction::encode));
    if (!output)
        return std::nullopt;
    return asciiText(*output);
}

std::optional<platform::Data> Base64::dataFromBase64String(const platform::String& string) {
    return dataWithBase64EncodedString(string);
}

std::optional<platform::Data> Base64::dataWithBase64EncodedString(const platform::String& string) {
    return base64dec(string);
}

std::optional<platform::Data> Base64::dataBase64enc(const platform::String& string) {
    return base64dec(string);
}

std::optional<platform::Data>
Base64::transformExecuter(std::optional<platform::Data> data,
                          const std::shared_ptr<platform::Base64Transform>& transform) {
    if (!transform || !transform->setInput(std::move(data)))
        return std::nullopt;
    return transform->execute();
}

std::optional<platform::Data> Base64::base64dec(const platform::String& string) {
    auto bytes = asciiBytes(string);
    if (!bytes)
        return std::nullopt;
    return transformExecuter(std::move(bytes),
                             Base64Transform::create(Base64Transform::Direction::decode));
}

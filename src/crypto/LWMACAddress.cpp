#include "crypto/LWMACAddress.h"

#include "platform/base/StringEncoding.h"

#include <cstdio>

namespace {

const platform::String primaryInterface = u"en0";

std::optional<platform::String> textForm(const std::optional<platform::Data>& address) {
    if (!address || address->empty())
        return std::nullopt;
    std::string text;
    for (const std::uint8_t byte : *address) {
        char digits[4];
        std::snprintf(digits, sizeof digits, text.empty() ? "%02hhx" : ":%02hhx", byte);
        text += digits;
    }
    return platform::String(text.begin(), text.end());
}

} // namespace

std::optional<platform::Data> LWMACAddress::MACAddressData(const std::filesystem::path& root) {
    return MACAddressDataAtPort(primaryInterface, root);
}

std::optional<platform::String> LWMACAddress::MACAddressString(const std::filesystem::path& root) {
    return textForm(MACAddressData(root));
}

std::optional<platform::Data>
LWMACAddress::MACAddressDataAtPort(const platform::String& name,
                                   const std::filesystem::path& root) {
    const auto ascii = platform::encodeString(name, platform::StringEncoding::ASCII);
    if (!ascii)
        return std::nullopt;
    return platform::NetworkInterface::hardwareAddress(*ascii, root);
}

std::optional<platform::String>
LWMACAddress::MACAddressStringAtPort(const platform::String& name,
                                     const std::filesystem::path& root) {
    return textForm(MACAddressDataAtPort(name, root));
}

#pragma once

#include "platform/base/Data.h"

#include <string>
#include <string_view>

namespace testhex {

inline platform::Data fromHex(std::string_view hex) {
    platform::Data bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

inline std::string toHex(const std::uint8_t* bytes, std::size_t length) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < length; ++i) {
        hex.push_back(digits[bytes[i] >> 4]);
        hex.push_back(digits[bytes[i] & 0xF]);
    }
    return hex;
}

inline std::string toHex(const platform::Data& data) {
    return toHex(data.data(), data.size());
}

} // namespace testhex

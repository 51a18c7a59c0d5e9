#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

// A data object: bytes by value. None is std::optional<Data>, distinct from empty.
using Data = std::vector<std::uint8_t>;

inline Data dataFromBytes(std::string_view bytes) {
    return Data(bytes.begin(), bytes.end());
}

inline std::string_view bytesOf(const Data& data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

} // namespace platform

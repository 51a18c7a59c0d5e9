#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <map>
#include <optional>
#include <string_view>

namespace platform {

// A folder of files as one data value, in the layout of the platform's serialized file
// wrappers (the RTFD data of its pasteboard), as publicly described: all numbers are
// 32-bit little-endian.
//
//     "rtfd" 0 | 3 (a folder) | count | count × (name length, UTF-8 name)
//     | count × (record size) | count × record
//
// and a file's record is 1, its length, then its bytes (a length of 0x80000000 is followed
// by the real length, a padding length and the padding). We write the files only; reading
// skips sub-folders and the platform's metadata entries ("." and the preferred names).
class SerializedFileWrapper {
public:
    using Files = std::map<String, Data>;

    [[nodiscard]] static Data serialize(const Files& files);
    // None when the data is not such a folder or is damaged.
    [[nodiscard]] static std::optional<Files> deserialize(std::string_view data);
};

} // namespace platform

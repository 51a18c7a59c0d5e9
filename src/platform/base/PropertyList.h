#pragma once

#include "platform/base/PropertyListFormat.h"
#include "platform/base/URL.h"
#include "platform/base/URLLoader.h"
#include "platform/base/Value.h"

#include <optional>
#include <string>

namespace platform {

// Values as property lists, through libplist. A list holds dictionaries (string keys),
// arrays, strings, data, numbers and dates; reading is reading outside data, so a failure
// is none with a reason for the log, never a crash. What libplist cannot keep fails too:
// strings with a lone surrogate or U+0000, integers beyond 64 bits, nesting deeper than
// 512 levels, more than a million elements. Integers read back as 64-bit numbers (unsigned
// above INT64_MAX) and reals as doubles.
class PropertyList {
public:
    // Binary or XML, told apart by the bytes.
    [[nodiscard]] static std::optional<Value> read(const Data& bytes,
                                                   std::string* reason = nullptr);
    [[nodiscard]] static std::optional<Data> write(const Value& value, PropertyListFormat format,
                                                   std::string* reason = nullptr);
};

// The dictionary at the root of the property list in a file, or none: no such file, no
// property list, or another root.
[[nodiscard]] std::optional<Dictionary> dictionaryWithContentsOfFile(const String& path,
                                                                     std::string* reason = nullptr);

// The same for the resource at a file: or http(s): URL, read whole by `loader` within its
// time-out and length limit.
[[nodiscard]] std::optional<Dictionary>
dictionaryWithContentsOfURL(const URL& url, const URLLoader& loader, std::string* reason = nullptr);
[[nodiscard]] std::optional<Dictionary> dictionaryWithContentsOfURL(const URL& url);

} // namespace platform

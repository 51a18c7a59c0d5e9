#pragma once

#include "platform/base/PropertyListFormat.h"
#include "platform/base/Result.h"
#include "platform/base/URL.h"
#include "platform/base/URLLoader.h"
#include "platform/base/Value.h"

#include <optional>

namespace platform {

// Values as property lists, through libplist. A list holds dictionaries (string keys),
// arrays, strings, data, numbers and dates; reading is reading outside data, so a failure
// is an error that says why, never a crash. What libplist cannot keep fails too:
// strings with a lone surrogate or U+0000, integers beyond 64 bits, nesting deeper than
// 512 levels, more than a million elements. Integers read back as 64-bit numbers (unsigned
// above INT64_MAX) and reals as doubles.
class PropertyList {
public:
    // Binary or XML, told apart by the bytes.
    [[nodiscard]] static Result<Value> read(const Data& bytes);
    [[nodiscard]] static Result<Data> write(const Value& value, PropertyListFormat format);
};

// The dictionary at the root of the property list in a file. Fails when there is no such
// file, no property list, or another root.
[[nodiscard]] Result<Dictionary> dictionaryWithContentsOfFile(const String& path);

// The same for the resource at a file: or http(s): URL, read whole by `loader` within its
// time-out and length limit.
[[nodiscard]] Result<Dictionary> dictionaryWithContentsOfURL(const URL& url,
                                                             const URLLoader& loader);
// With a default loader; none for any failure, as the platform's dictionary reader has it.
[[nodiscard]] std::optional<Dictionary> dictionaryWithContentsOfURL(const URL& url);

} // namespace platform

#pragma once

#include "platform/base/Result.h"
#include "platform/base/Value.h"

#include <optional>

namespace platform {

// Writes values as the platform's keyed archiver does: the root object at UID 1, then
// each object when it is first met (a dictionary's keys, then its values), its class
// record after its contents. Strings, data and numbers are stored inline; dictionaries,
// arrays, sets and dates are NSDictionary, NSArray, NSSet and NSDate instances. Strings,
// numbers and dates are stored once per value, the other objects once per shared value.
// None is nil at the root and has no archive inside a collection; objects have none.
class KeyedArchiver {
public:
    // None when the value has no archive.
    [[nodiscard]] static std::optional<Data> archivedDataWithRootObject(const Value& root);
    // The same, with why the value has no archive.
    [[nodiscard]] static Result<Data> archive(const Value& root);
};

} // namespace platform

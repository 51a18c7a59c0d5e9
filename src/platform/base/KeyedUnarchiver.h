#pragma once

#include "platform/base/Result.h"
#include "platform/base/Value.h"

namespace platform {

// Reads the platform's keyed archives (binary or XML) of dictionaries, arrays, sets,
// strings, data, numbers and dates, mutable or not. The data comes from outside: whatever
// is no such archive (UIDs out of range or in a cycle, wrong types anywhere, too deep, too
// large once its shared objects are expanded) fails with a reason, never a crash.
class KeyedUnarchiver {
public:
    // The root object; none for a nil root and for data that is no archive.
    [[nodiscard]] static Value unarchiveObjectWithData(const Data& data);
    // The root object (none for a nil root), or why the data is no archive.
    [[nodiscard]] static Result<Value> unarchive(const Data& data);
};

} // namespace platform

#pragma once

#include "platform/base/Value.h"

#include <string>

namespace platform {

// Reads the platform's keyed archives (binary or XML) of dictionaries, arrays, sets,
// strings, data, numbers and dates, mutable or not. The data comes from outside: whatever
// is no such archive (UIDs out of range or in a cycle, wrong types anywhere, too deep, too
// large once its shared objects are expanded) gives none and a reason, never a crash.
class KeyedUnarchiver {
public:
    [[nodiscard]] static Value unarchiveObjectWithData(const Data& data);
    // `reason` is empty on success, also when the archived root is nil.
    [[nodiscard]] static Value unarchiveObjectWithData(const Data& data, std::string& reason);
};

} // namespace platform

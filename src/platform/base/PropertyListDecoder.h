#pragma once

#include "platform/base/Result.h"
#include "platform/base/Value.h"

#include <plist/plist.h>

namespace platform {

// Values from libplist nodes. Integers come back as 64-bit numbers (unsigned when the list
// held them so), reals as doubles, whatever width they had in the file: libplist keeps
// every real as a double.
class PropertyListDecoder {
public:
    // A whole tree. UIDs have no value of their own and fail.
    [[nodiscard]] static Result<Value> value(plist_t node);
    // A string, data, number or date; anything else fails.
    [[nodiscard]] static Result<Value> scalar(plist_t node);

    [[nodiscard]] static Result<String> string(plist_t node);
    [[nodiscard]] static Result<Number> number(plist_t node);
    [[nodiscard]] static Result<Date> date(plist_t node);
    [[nodiscard]] static Result<Data> data(plist_t node);

private:
    static Result<Value> array(plist_t node);
    static Result<Value> dictionary(plist_t node);
};

} // namespace platform

#pragma once

#include "platform/base/Value.h"

#include <optional>
#include <plist/plist.h>
#include <string>

namespace platform {

// Values from libplist nodes. Integers come back as 64-bit numbers (unsigned when the list
// held them so), reals as doubles, whatever width they had in the file: libplist keeps
// every real as a double.
class PropertyListDecoder {
public:
    // A whole tree. UIDs have no value of their own and fail.
    [[nodiscard]] static std::optional<Value> value(plist_t node, std::string& reason);
    // A string, data, number or date; anything else fails.
    [[nodiscard]] static std::optional<Value> scalar(plist_t node, std::string& reason);

    [[nodiscard]] static std::optional<String> string(plist_t node, std::string& reason);
    [[nodiscard]] static std::optional<Number> number(plist_t node, std::string& reason);
    [[nodiscard]] static std::optional<Date> date(plist_t node, std::string& reason);
    [[nodiscard]] static std::optional<Data> data(plist_t node, std::string& reason);

private:
    static std::optional<Value> array(plist_t node, std::string& reason);
    static std::optional<Value> dictionary(plist_t node, std::string& reason);
};

} // namespace platform

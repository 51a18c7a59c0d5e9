#pragma once

#include "platform/base/PropertyListFormat.h"
#include "platform/base/PropertyListNode.h"
#include "platform/base/Result.h"
#include "platform/base/Value.h"

#include <cstddef>
#include <string>

namespace platform {

// Builds libplist nodes from values. Sets, none and objects have no property-list form;
// nor has a string with a lone surrogate (no UTF-8 form) or with U+0000 (libplist keeps
// strings NUL-terminated). Each failure says why.
class PropertyListEncoder {
public:
    // Dates are written exactly in binary lists; XML keeps whole seconds of years 1000 to
    // 9999, as the platform writes them.
    explicit PropertyListEncoder(PropertyListFormat format) : format_(format) {}

    [[nodiscard]] Result<PropertyListNode> encode(const Value& value);

    [[nodiscard]] static Result<PropertyListNode> string(const String& text);
    [[nodiscard]] static Result<std::string> key(const String& text);
    [[nodiscard]] static PropertyListNode number(const Number& number);
    [[nodiscard]] static PropertyListNode data(const Data& bytes);
    [[nodiscard]] static PropertyListNode real(double value);
    [[nodiscard]] static PropertyListNode uid(std::uint64_t index);
    [[nodiscard]] Result<PropertyListNode> date(Date date) const;

private:
    Result<PropertyListNode> encode(const Value& value, std::size_t depth);
    Result<PropertyListNode> array(const Array& array, std::size_t depth);
    Result<PropertyListNode> dictionary(const Dictionary& dictionary, std::size_t depth);
    Result<> count();

    PropertyListFormat format_;
    std::size_t elements_ = 0;
};

} // namespace platform

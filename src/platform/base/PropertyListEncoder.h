#pragma once

#include "platform/base/PropertyListFormat.h"
#include "platform/base/PropertyListNode.h"
#include "platform/base/Value.h"

#include <cstddef>
#include <optional>
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

    [[nodiscard]] std::optional<PropertyListNode> encode(const Value& value, std::string& reason);

    [[nodiscard]] static std::optional<PropertyListNode> string(const String& text,
                                                                std::string& reason);
    [[nodiscard]] static std::optional<std::string> key(const String& text, std::string& reason);
    [[nodiscard]] static PropertyListNode number(const Number& number);
    [[nodiscard]] static PropertyListNode data(const Data& bytes);
    [[nodiscard]] static PropertyListNode real(double value);
    [[nodiscard]] static PropertyListNode uid(std::uint64_t index);
    [[nodiscard]] std::optional<PropertyListNode> date(Date date, std::string& reason) const;

private:
    std::optional<PropertyListNode> encode(const Value& value, std::size_t depth,
                                           std::string& reason);
    std::optional<PropertyListNode> array(const Array& array, std::size_t depth,
                                          std::string& reason);
    std::optional<PropertyListNode> dictionary(const Dictionary& dictionary, std::size_t depth,
                                               std::string& reason);
    bool count(std::string& reason);

    PropertyListFormat format_;
    std::size_t elements_ = 0;
};

} // namespace platform

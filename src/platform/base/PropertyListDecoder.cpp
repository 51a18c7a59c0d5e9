#include "platform/base/PropertyListDecoder.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace platform {
namespace {

// libplist 2.2 keeps whether an integer is unsigned but has no accessor for it; its XML
// writer shows it.
bool holdsUnsigned(plist_t node) {
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    if (!xml)
        return false;
    const bool negative =
        std::string_view(xml, length).find("<integer>-") != std::string_view::npos;
    plist_to_xml_free(xml);
    return !negative;
}

// plist_get_date_val answers 32-bit seconds and drops the sign of the fraction below zero;
// the binary writer shows the exact double.
std::optional<double> exactSeconds(plist_t node) {
    char* bytes = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(node, &bytes, &length);
    if (!bytes)
        return std::nullopt;
    std::optional<double> seconds;
    const auto* object = reinterpret_cast<const std::uint8_t*>(bytes) + 8;
    if (length >= 17 && object[0] == 0x33) {
        std::uint64_t bits = 0;
        for (int i = 1; i <= 8; ++i)
            bits = (bits << 8) | object[i];
        seconds = std::bit_cast<double>(bits);
    }
    plist_to_bin_free(bytes);
    return seconds;
}

template <typename T> Result<Value> asValue(Result<T> result) {
    return std::move(result).map([](T&& member) { return Value(std::move(member)); });
}

} // namespace

Result<Value> PropertyListDecoder::value(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_DICT:
        return dictionary(node);
    case PLIST_ARRAY:
        return array(node);
    case PLIST_UID:
        return failure(u"a keyed-archive UID is no value of its own");
    default:
        return scalar(node);
    }
}

Result<Value> PropertyListDecoder::scalar(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN:
    case PLIST_UINT:
    case PLIST_REAL:
        return asValue(number(node));
    case PLIST_STRING:
        return asValue(string(node));
    case PLIST_DATA:
        return asValue(data(node));
    case PLIST_DATE:
        return asValue(date(node));
    default:
        return failure(u"not a string, data, number or date");
    }
}

Result<String> PropertyListDecoder::string(plist_t node) {
    if (plist_get_node_type(node) != PLIST_STRING)
        return failure(u"not a string");
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text)
        return failure(u"not a string");
    const std::string_view utf8(text, length);
    if (utf8.find('\0') != std::string_view::npos)
        return failure(u"a string holds U+0000");
    auto result = fromUtf8(utf8);
    if (!result)
        return failure(u"a string is not UTF-8");
    return *std::move(result);
}

Result<Number> PropertyListDecoder::number(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return Number::boolean(value != 0);
    }
    case PLIST_UINT: {
        std::uint64_t value = 0;
        plist_get_uint_val(node, &value);
        if (value > std::numeric_limits<std::int64_t>::max() && holdsUnsigned(node))
            return Number::uint64(value);
        return Number::int64(static_cast<std::int64_t>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return Number::float64(value);
    }
    default:
        return failure(u"not a number");
    }
}

Result<Date> PropertyListDecoder::date(plist_t node) {
    if (plist_get_node_type(node) != PLIST_DATE)
        return failure(u"not a date");
    const auto seconds = exactSeconds(node);
    if (!seconds)
        return failure(u"libplist could not give a date's value");
    return Date(*seconds);
}

Result<Data> PropertyListDecoder::data(plist_t node) {
    if (plist_get_node_type(node) != PLIST_DATA)
        return failure(u"not data");
    std::uint64_t length = 0;
    const char* bytes = plist_get_data_ptr(node, &length);
    if (!bytes || length == 0)
        return Data{};
    const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes);
    return Data(begin, begin + length);
}

Result<Value> PropertyListDecoder::array(plist_t node) {
    const std::uint32_t count = plist_array_get_size(node);
    Array members;
    members.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto member = value(plist_array_get_item(node, i));
        if (!member)
            return member;
        members.push_back(std::move(*member));
    }
    return Value(std::move(members));
}

Result<Value> PropertyListDecoder::dictionary(plist_t node) {
    Dictionary entries;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    for (;;) {
        char* key = nullptr;
        plist_t member = nullptr;
        plist_dict_next_item(node, iterator, &key, &member);
        if (!member) {
            std::free(key);
            break;
        }
        auto name = fromUtf8(key ? std::string_view(key) : std::string_view());
        std::free(key);
        auto decoded = name ? value(member) : failure(u"a key is not UTF-8");
        if (!decoded) {
            std::free(iterator);
            return decoded;
        }
        entries.insert_or_assign(std::move(*name), std::move(*decoded));
    }
    std::free(iterator);
    return Value(std::move(entries));
}

} // namespace platform

#include "platform/base/PropertyListEncoder.h"

#include "platform/base/PropertyListLimits.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace platform {
namespace {

// 1000-01-01 and 9999-12-31 23:59:59 UTC: four-digit years, which every reader takes.
constexpr double earliestXmlDate = -31588531200.0;
constexpr double latestXmlDate = 252423993599.0;

// libplist 2.2 writes plist_new_uint values above INT64_MAX as negative 8-byte integers;
// only its XML parser makes the unsigned 16-byte form, the one the platform writes.
PropertyListNode bigUnsigned(std::uint64_t value) {
    const std::string xml =
        "<plist version=\"1.0\"><integer>" + std::to_string(value) + "</integer></plist>";
    plist_t node = nullptr;
    plist_from_xml(xml.data(), static_cast<std::uint32_t>(xml.size()), &node);
    return PropertyListNode(node ? node : plist_new_uint(value));
}

// plist_new_date takes whole seconds in 32 bits and microseconds; a one-object binary list
// gives libplist the exact double instead, which its writers then use.
PropertyListNode exactDate(double seconds) {
    std::uint8_t bytes[50] = {'b', 'p', 'l', 'i', 's', 't', '0', '0', 0x33};
    const auto bits = std::bit_cast<std::uint64_t>(seconds);
    for (int i = 0; i < 8; ++i)
        bytes[9 + i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    bytes[17] = 8; // the offset table: the date at offset 8
    std::uint8_t* trailer = bytes + 18;
    trailer[6] = 1;   // offset size
    trailer[7] = 1;   // reference size
    trailer[15] = 1;  // one object, the root at index 0
    trailer[31] = 17; // offset of the offset table
    plist_t node = nullptr;
    plist_from_bin(reinterpret_cast<const char*>(bytes), sizeof bytes, &node);
    return PropertyListNode(node);
}

} // namespace

Result<PropertyListNode> PropertyListEncoder::encode(const Value& value) {
    elements_ = 0;
    return encode(value, 1);
}

Result<PropertyListNode> PropertyListEncoder::encode(const Value& value, std::size_t depth) {
    if (depth > PropertyListLimits::maximumDepth)
        return failure(Error::fromUtf8(
            "nested deeper than " + std::to_string(PropertyListLimits::maximumDepth) + " levels"));
    if (auto counted = count(); !counted)
        return failure(std::move(counted.error()));
    if (const auto* number = value.number())
        return PropertyListEncoder::number(*number);
    if (const auto* moment = value.date())
        return date(*moment);
    if (const auto* text = value.string())
        return string(*text);
    if (const auto* bytes = value.data())
        return data(*bytes);
    if (const auto* members = value.array())
        return array(*members, depth);
    if (const auto* entries = value.dictionary())
        return dictionary(*entries, depth);
    return failure(value.isNone() ? u"none has no property-list form"
                   : value.set()  ? u"a set has no property-list form"
                                  : u"an object has no property-list form");
}

Result<> PropertyListEncoder::count() {
    if (++elements_ <= PropertyListLimits::maximumElements)
        return {};
    return failure(Error::fromUtf8(
        "more than " + std::to_string(PropertyListLimits::maximumElements) + " elements"));
}

Result<PropertyListNode> PropertyListEncoder::array(const Array& array, std::size_t depth) {
    PropertyListNode node(plist_new_array());
    for (const auto& member : array) {
        auto child = encode(member, depth + 1);
        if (!child)
            return child;
        node.append(std::move(*child));
    }
    return node;
}

Result<PropertyListNode> PropertyListEncoder::dictionary(const Dictionary& dictionary,
                                                         std::size_t depth) {
    PropertyListNode node(plist_new_dict());
    for (const auto& [name, member] : dictionary) {
        const auto utf8 = key(name);
        if (!utf8)
            return failure(utf8.error());
        if (auto counted = count(); !counted)
            return failure(std::move(counted.error()));
        auto child = encode(member, depth + 1);
        if (!child)
            return child;
        node.set(*utf8, std::move(*child));
    }
    return node;
}

Result<std::string> PropertyListEncoder::key(const String& text) {
    auto utf8 = toUtf8(text);
    if (!utf8)
        return failure(u"a string with a lone surrogate has no UTF-8 form");
    if (utf8->find('\0') != std::string::npos)
        return failure(u"libplist cannot keep a string that holds U+0000");
    return *std::move(utf8);
}

Result<PropertyListNode> PropertyListEncoder::string(const String& text) {
    const auto utf8 = key(text);
    if (!utf8)
        return failure(utf8.error());
    return PropertyListNode(plist_new_string(utf8->c_str()));
}

PropertyListNode PropertyListEncoder::number(const Number& number) {
    switch (number.kind()) {
    case Number::Kind::Bool:
        return PropertyListNode(plist_new_bool(number.boolValue() ? 1 : 0));
    case Number::Kind::Float:
    case Number::Kind::Double:
        return real(number.doubleValue());
    case Number::Kind::UInt64:
        if (number.unsignedLongLongValue() > std::numeric_limits<std::int64_t>::max())
            return bigUnsigned(number.unsignedLongLongValue());
        [[fallthrough]];
    default:
        return PropertyListNode(plist_new_uint(static_cast<std::uint64_t>(number.longValue())));
    }
}

PropertyListNode PropertyListEncoder::data(const Data& bytes) {
    return PropertyListNode(
        plist_new_data(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

PropertyListNode PropertyListEncoder::real(double value) {
    return PropertyListNode(plist_new_real(value));
}

PropertyListNode PropertyListEncoder::uid(std::uint64_t index) {
    return PropertyListNode(plist_new_uid(index));
}

Result<PropertyListNode> PropertyListEncoder::date(Date date) const {
    const double seconds = date.timeIntervalSinceReferenceDate();
    if (format_ == PropertyListFormat::XML &&
        !(seconds >= earliestXmlDate && seconds <= latestXmlDate))
        return failure(u"a date outside the years 1000 to 9999 has no XML form");
    return exactDate(seconds);
}

} // namespace platform

#include "platform/ui/NumberFormatter.h"

#include "platform/base/AsciiCharacter.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace platform {
namespace {

// A number's text without the white space around it and without a "+".
struct Scanned {
    std::string text;
    std::size_t digits = 0;
};

// None unless the text is [sign] digits [. digits] between white space, every part of it
// possibly empty.
std::optional<Scanned> scan(const String& text, bool allowsPoint) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isAsciiSpace(text[begin]))
        ++begin;
    while (end > begin && isAsciiSpace(text[end - 1]))
        --end;
    Scanned scanned;
    std::size_t at = begin;
    if (at < end && (text[at] == u'+' || text[at] == u'-')) {
        if (text[at] == u'-')
            scanned.text.push_back('-');
        ++at;
    }
    bool point = false;
    for (; at < end; ++at) {
        const char16_t unit = text[at];
        if (isAsciiDigit(unit))
            ++scanned.digits;
        else if (unit == u'.' && allowsPoint && !point)
            point = true;
        else
            return std::nullopt;
        scanned.text.push_back(static_cast<char>(unit));
    }
    return scanned;
}

template <typename T, typename... Format> String decimalText(T value, Format... format) {
    // Room for the longest fixed form of a double, a subnormal one's 0.000...
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, format...);
    if (error != std::errc())
        return {};
    return String(text, end);
}

template <typename Real> String realText(Real value, bool allowsFloats) {
    if (value == 0)
        value = 0; // no "-0"
    if (!allowsFloats)
        return decimalText(std::round(static_cast<double>(value)), std::chars_format::fixed, 0);
    return decimalText(value, std::chars_format::fixed);
}

} // namespace

String NumberFormatter::stringForNumber(const Number& number) const {
    switch (number.kind()) {
    case Number::Kind::Float:
        return realText(number.floatValue(), allowsFloats());
    case Number::Kind::Double:
        return realText(number.doubleValue(), allowsFloats());
    case Number::Kind::UInt64:
        return decimalText(number.unsignedLongLongValue());
    default:
        return decimalText(number.longValue());
    }
}

std::optional<Number> NumberFormatter::numberForString(const String& text) const {
    const auto scanned = scan(text, allowsFloats());
    if (!scanned || scanned->digits == 0)
        return std::nullopt;
    const char* begin = scanned->text.data();
    const char* end = begin + scanned->text.size();
    if (!allowsFloats()) {
        std::int64_t value = 0;
        const auto [stop, error] = std::from_chars(begin, end, value);
        if (error != std::errc() || stop != end || !withinLimits(static_cast<double>(value)))
            return std::nullopt;
        return Number::int64(value);
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value) || !withinLimits(value))
        return std::nullopt;
    return Number::float64(value == 0 ? 0.0 : value);
}

bool NumberFormatter::isPartialStringValid(const String& text) const {
    return scan(text, allowsFloats()).has_value();
}

bool NumberFormatter::withinLimits(double value) const {
    return (!minimum_ || value >= *minimum_) && (!maximum_ || value <= *maximum_);
}

} // namespace platform

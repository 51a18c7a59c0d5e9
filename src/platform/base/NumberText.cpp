#include "platform/base/NumberText.h"

#include "platform/base/AsciiCharacter.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace platform {
namespace {

std::size_t skipSpace(const String& text, std::size_t at = 0) {
    while (at < text.size() && isAsciiSpace(text[at]))
        ++at;
    return at;
}

std::size_t skipDigits(const String& text, std::size_t& at) {
    const std::size_t from = at;
    while (at < text.size() && isAsciiDigit(text[at]))
        ++at;
    return at - from;
}

void skipSign(const String& text, std::size_t& at) {
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
}

template <typename T> String shortestText(T value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return String(text, end);
}

} // namespace

bool NumberText::boolValue(const String& text) {
    std::size_t at = skipSpace(text);
    skipSign(text, at);
    while (at < text.size() && text[at] == u'0')
        ++at;
    if (at == text.size())
        return false;
    const char16_t first = text[at];
    return first == u'Y' || first == u'y' || first == u'T' || first == u't' ||
           (first >= u'1' && first <= u'9');
}

std::int64_t NumberText::integerValue(const String& text) {
    std::size_t at = skipSpace(text);
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        negative = text[at++] == u'-';
    constexpr auto limit = std::numeric_limits<std::int64_t>::max();
    std::uint64_t magnitude = 0;
    for (; at < text.size() && isAsciiDigit(text[at]); ++at) {
        const auto digit = static_cast<std::uint64_t>(text[at] - u'0');
        if (magnitude > (static_cast<std::uint64_t>(limit) - digit) / 10)
            return negative ? std::numeric_limits<std::int64_t>::min() : limit;
        magnitude = magnitude * 10 + digit;
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

// A decimal number only (no hexadecimal, no "inf"), read in the C locale whatever locale
// the program has set.
double NumberText::doubleValue(const String& text) {
    const std::size_t start = skipSpace(text);
    std::size_t at = start;
    skipSign(text, at);
    std::size_t digits = skipDigits(text, at);
    if (at < text.size() && text[at] == u'.')
        digits += skipDigits(text, ++at);
    if (digits == 0)
        return 0.0;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        std::size_t exponent = at + 1;
        skipSign(text, exponent);
        if (skipDigits(text, exponent) > 0)
            at = exponent;
    }
    std::string number;
    for (std::size_t i = start; i < at; ++i)
        number.push_back(static_cast<char>(text[i]));
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

String NumberText::stringValue(const Number& number) {
    switch (number.kind()) {
    case Number::Kind::Bool:
        return number.boolValue() ? u"1" : u"0";
    case Number::Kind::UInt64:
        return shortestText(number.unsignedLongLongValue());
    case Number::Kind::Float:
        return shortestText(number.floatValue());
    case Number::Kind::Double:
        return shortestText(number.doubleValue());
    default:
        return shortestText(number.longValue());
    }
}

} // namespace platform

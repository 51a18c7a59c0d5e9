#pragma once

#include <string_view>

namespace platform {

// Character classes of the ASCII range, whatever the locale: the formats we read (URLs,
// RTF, numbers in text) define them so.
[[nodiscard]] constexpr bool isAsciiLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

[[nodiscard]] constexpr bool isAsciiDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Space, tab, line feed, vertical tab, form feed and carriage return.
[[nodiscard]] constexpr bool isAsciiSpace(char32_t c) {
    return c == U' ' || (c >= U'\t' && c <= U'\r');
}

// Whether the text is `lowerCase` (lower-case ASCII) but for the case of its letters.
template <typename Char>
[[nodiscard]] constexpr bool equalsIgnoringAsciiCase(std::basic_string_view<Char> text,
                                                     std::string_view lowerCase) {
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        const char32_t folded = c >= U'A' && c <= U'Z' ? c | 0x20 : c;
        if (folded != static_cast<char32_t>(lowerCase[i]))
            return false;
    }
    return true;
}

} // namespace platform

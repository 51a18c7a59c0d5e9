#pragma once

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

} // namespace platform

#pragma once

#include "platform/base/StringEncoding.h"

#include <cstdint>
#include <optional>

namespace platform {

// The 8-bit code pages of RTF's \'hh characters: which encoding a document's \ansicpgN or
// a font's \fcharsetN names, and single bytes in them.
class RTFCodePage {
public:
    // None for a code page without an 8-bit encoding here (the double-byte ones).
    [[nodiscard]] static std::optional<StringEncoding> forCodePage(std::int64_t number);
    // None for the default character set (1) and those without an encoding here.
    [[nodiscard]] static std::optional<StringEncoding> forCharset(std::int64_t charset);

    // A byte without a character in the encoding stands for the character of its value.
    [[nodiscard]] static char16_t decode(StringEncoding encoding, std::uint8_t byte);
    // The Windows Latin 1 byte of a character outside ASCII; none when it has none.
    [[nodiscard]] static std::optional<std::uint8_t> encodeWindowsLatin1(char16_t character);
};

} // namespace platform

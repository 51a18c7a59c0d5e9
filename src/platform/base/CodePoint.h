#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// One character of a UTF-16 string: its code point and the code units it takes, 2 for a
// surrogate pair and 1 otherwise (a lone surrogate stands for itself).
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;

    [[nodiscard]] static constexpr bool isHigh(char16_t unit) {
        return unit >= 0xD800 && unit <= 0xDBFF;
    }
    [[nodiscard]] static constexpr bool isLow(char16_t unit) {
        return unit >= 0xDC00 && unit <= 0xDFFF;
    }

    // The character that starts at `index`, which lies within the text.
    [[nodiscard]] static constexpr CodePoint at(std::u16string_view text, std::size_t index) {
        const char16_t unit = text[index];
        if (isHigh(unit) && index + 1 < text.size() && isLow(text[index + 1]))
            return {0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                        (static_cast<char32_t>(text[index + 1]) - 0xDC00),
                    2};
        return {unit, 1};
    }

    // The length of the character that ends at `end`, which is above 0.
    [[nodiscard]] static constexpr std::size_t lengthBefore(std::u16string_view text,
                                                            std::size_t end) {
        return end >= 2 && isLow(text[end - 1]) && isHigh(text[end - 2]) ? 2 : 1;
    }
};

} // namespace platform

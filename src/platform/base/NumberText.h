#pragma once

#include "platform/base/Number.h"
#include "platform/base/String.h"

#include <cstdint>

namespace platform {

// Numbers read from text and written as text, as the platform's strings and numbers do it:
// leading white space is skipped, the number is read from what follows and the rest is
// ignored; text without a number reads as zero (NO).
class NumberText {
public:
    // YES for text that starts with Y, y, T, t or a digit 1 to 9, after any sign and zeros.
    [[nodiscard]] static bool boolValue(const String& text);
    // Saturates beyond the 64-bit range.
    [[nodiscard]] static std::int64_t integerValue(const String& text);
    [[nodiscard]] static double doubleValue(const String& text);
    // Booleans as 1 and 0, reals in their shortest exact form.
    [[nodiscard]] static String stringValue(const Number& number);
};

} // namespace platform

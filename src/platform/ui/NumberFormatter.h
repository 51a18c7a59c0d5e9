#pragma once

#include "platform/base/Number.h"
#include "platform/base/String.h"

#include <optional>

namespace platform {

// Turns the numbers of a number field into text and the user's text back into numbers:
// plain decimal digits with "." as the decimal point whatever the locale, no grouping and
// no exponent. Integers read as 64-bit integer numbers, decimals as doubles.
class NumberFormatter {
public:
    enum class Style { Integer, Decimal };

    explicit NumberFormatter(Style style = Style::Decimal) : style_(style) {}

    [[nodiscard]] Style style() const { return style_; }
    [[nodiscard]] bool allowsFloats() const { return style_ == Style::Decimal; }

    // A number outside the limits reads as none.
    [[nodiscard]] std::optional<double> minimum() const { return minimum_; }
    void setMinimum(std::optional<double> minimum) { minimum_ = minimum; }
    [[nodiscard]] std::optional<double> maximum() const { return maximum_; }
    void setMaximum(std::optional<double> maximum) { maximum_ = maximum; }

    // The shortest text that reads back as the same number; the integer style rounds a
    // real to the nearest integer.
    [[nodiscard]] String stringForNumber(const Number& number) const;
    // None for text that is not one whole number of the style within the limits: empty
    // text, letters, a second number, a value beyond the range of the kind, "nan", "inf".
    // White space around the number is allowed.
    [[nodiscard]] std::optional<Number> numberForString(const String& text) const;
    // Whether the text may still become a number as the user types on: digits, one sign
    // in front, one "." for the decimal style, white space around them.
    [[nodiscard]] bool isPartialStringValid(const String& text) const;

private:
    [[nodiscard]] bool withinLimits(double value) const;

    Style style_;
    std::optional<double> minimum_;
    std::optional<double> maximum_;
};

} // namespace platform

#include "platform/ui/NumberFormatter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace platform;

namespace {

using Style = NumberFormatter::Style;

const NumberFormatter integers(Style::Integer);
const NumberFormatter decimals(Style::Decimal);

struct Reading {
    String text;
    std::optional<std::int64_t> integer;
    std::optional<double> decimal;
    bool integerPartial;
    bool decimalPartial;
};

TEST(NumberFormatter, ReadsOnlyWholeNumbersAndLetsOnlyNumbersBeTyped) {
    const String tooLong = u"1" + String(400, u'0');
    const Reading readings[] = {
        {u"12", 12, 12.0, true, true},
        {u"12.5", std::nullopt, 12.5, false, true},
        {u" 7 ", 7, 7.0, true, true},
        {u"-3", -3, -3.0, true, true},
        {u"+4", 4, 4.0, true, true},
        {u"abc", std::nullopt, std::nullopt, false, false},
        {u"", std::nullopt, std::nullopt, true, true},
        {u"1e999", std::nullopt, std::nullopt, false, false},
        {u"12abc", std::nullopt, std::nullopt, false, false},
        {u"nan", std::nullopt, std::nullopt, false, false},
        {u"inf", std::nullopt, std::nullopt, false, false},
        {u"12,5", std::nullopt, std::nullopt, false, false},
        {u"1 2", std::nullopt, std::nullopt, false, false},
        {u"1.2.3", std::nullopt, std::nullopt, false, false},
        {u"+-1", std::nullopt, std::nullopt, false, false},
        {u"-", std::nullopt, std::nullopt, true, true},
        {u".", std::nullopt, std::nullopt, false, true},
        {u"12.", std::nullopt, 12.0, false, true},
        {u".5", std::nullopt, 0.5, false, true},
        {u"-0", 0, 0.0, true, true},
        {u"9223372036854775807", std::numeric_limits<std::int64_t>::max(), 9223372036854775807.0,
         true, true},
        {u"9223372036854775808", std::nullopt, 9223372036854775808.0, true, true},
        {tooLong, std::nullopt, std::nullopt, true, true},
    };
    for (const auto& reading : readings) {
        SCOPED_TRACE(toUtf8Lossy(reading.text));
        const auto integer = integers.numberForString(reading.text);
        ASSERT_EQ(integer.has_value(), reading.integer.has_value());
        if (integer) {
            EXPECT_EQ(integer->kind(), Number::Kind::Int64);
            EXPECT_EQ(integer->longValue(), *reading.integer);
        }
        const auto decimal = decimals.numberForString(reading.text);
        ASSERT_EQ(decimal.has_value(), reading.decimal.has_value());
        if (decimal) {
            EXPECT_EQ(decimal->kind(), Number::Kind::Double);
            EXPECT_EQ(decimal->doubleValue(), *reading.decimal);
        }
        EXPECT_EQ(integers.isPartialStringValid(reading.text), reading.integerPartial);
        EXPECT_EQ(decimals.isPartialStringValid(reading.text), reading.decimalPartial);
    }
}

TEST(NumberFormatter, WritesTheShortestPlainDecimalThatReadsBack) {
    struct Shown {
        Number number;
        String integer;
        String decimal;
    };
    const Shown shown[] = {
        {Number::int32(120), u"120", u"120"},
        {Number::float32(12.0f), u"12", u"12"},
        {Number::float32(12.5f), u"13", u"12.5"},
        {Number::float32(0.1f), u"0", u"0.1"},
        {Number::float64(0.1), u"0", u"0.1"},
        {Number::float64(1234567.25), u"1234567", u"1234567.25"},
        {Number::float64(1e20), u"100000000000000000000", u"100000000000000000000"},
        {Number::float64(-0.0), u"0", u"0"},
        {Number::int64(-3), u"-3", u"-3"},
        {Number::uint64(std::numeric_limits<std::uint64_t>::max()), u"18446744073709551615",
         u"18446744073709551615"},
        {Number::boolean(true), u"1", u"1"},
    };
    for (const auto& each : shown) {
        SCOPED_TRACE(toUtf8Lossy(each.decimal));
        EXPECT_EQ(integers.stringForNumber(each.number), each.integer);
        EXPECT_EQ(decimals.stringForNumber(each.number), each.decimal);
        const auto back = decimals.numberForString(each.decimal);
        ASSERT_TRUE(back.has_value());
        // A float reads back as the same float, not as the double nearest its text.
        if (each.number.kind() == Number::Kind::Float)
            EXPECT_EQ(back->floatValue(), each.number.floatValue());
        else
            EXPECT_EQ(back->doubleValue(), each.number.doubleValue());
    }
}

TEST(NumberFormatter, NumbersBeyondItsLimitsReadAsNone) {
    NumberFormatter seconds(Style::Integer);
    seconds.setMinimum(1);
    seconds.setMaximum(3600);
    EXPECT_FALSE(seconds.numberForString(u"0"));
    EXPECT_EQ(seconds.numberForString(u"1"), Number::int64(1));
    EXPECT_EQ(seconds.numberForString(u"3600"), Number::int64(3600));
    EXPECT_FALSE(seconds.numberForString(u"3601"));
}

} // namespace

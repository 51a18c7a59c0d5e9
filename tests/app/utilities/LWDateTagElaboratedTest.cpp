#include "app/utilities/LWDateTagElaborated.h"

#include "platform/base/Calendar.h"
#include "platform/base/Date.h"
#include "platform/base/Number.h"

#include <gtest/gtest.h>
#include <limits>

using platform::Calendar;
using platform::Date;
using platform::String;
using platform::Value;

namespace {

// 2026-03-07 08:05:02 UTC, 09:05:02 an hour east of Greenwich.
const Date march7th = Date::fromUnixTime(1772870702);
const Calendar oneHourEast = Calendar::calendarWithSecondsFromGMT(3600);

LWDateTagElaborated at(Date moment, Calendar calendar = oneHourEast) {
    return LWDateTagElaborated([moment] { return moment; }, calendar);
}

String transformed(const LWDateTagElaborated& transformer, const Value& input) {
    const Value result = transformer.transformedValue(input);
    EXPECT_NE(result.string(), nullptr);
    return result.string() ? *result.string() : String(u"(no string)");
}

TEST(LWDateTagElaborated, FillsEveryTagWithTheMomentInTheCalendarsTimeZone) {
    const auto transformer = at(march7th);
    const struct {
        const char16_t* input;
        const char16_t* expected;
    } cases[] = {
        {u"<YY>-<mm>-<dd> <hh>.<ii>.<ss>", u"2026-03-07 09.05.02"},
        {u"<yy><yy>", u"2626"},
        {u"Note <dd>/<mm>/<yy>: <hh><ii>", u"Note 07/03/26: 0905"},
        {u"<MM><DD><HH><II><SS><Yy><yY>", u"<MM><DD><HH><II><SS><Yy><yY>"},
        {u"<<yy>> <yy <yy>>", u"<26> <yy 26>"},
        {u"no tags", u"no tags"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(transformed(transformer, c.input), String(c.expected))
            << platform::toUtf8Lossy(c.input);

    EXPECT_EQ(transformed(at(march7th, Calendar::calendarWithSecondsFromGMT(0)), u"<hh>"),
              String(u"08"));
}

TEST(LWDateTagElaborated, AbsentOrNonStringInputGivesTheEmptyString) {
    const auto transformer = at(march7th);
    EXPECT_EQ(transformed(transformer, Value()), String());
    EXPECT_EQ(transformed(transformer, platform::Number::int32(5)), String());
}

TEST(LWDateTagElaborated, TwoDigitYearKeepsItsLeadingZero) {
    // 2005-06-01 12:00:00 UTC.
    const auto transformer = at(Date::fromUnixTime(1117627200));
    EXPECT_EQ(transformed(transformer, u"<yy> <YY>"), String(u"05 2005"));
}

TEST(LWDateTagElaborated, TheTimeZoneCanMoveTheDateIntoTheNextYear) {
    // 2026-12-31 23:30:00 UTC.
    const auto transformer = at(Date::fromUnixTime(1798759800));
    EXPECT_EQ(transformed(transformer, u"<YY>-<mm>-<dd> <hh>:<ii>"), String(u"2027-01-01 00:30"));
}

TEST(LWDateTagElaborated, ReadsTheClockOnceForEachText) {
    int reads = 0;
    // Each read is a second later: a text that took two readings would mix them.
    const LWDateTagElaborated transformer(
        [&reads] { return Date(march7th.timeIntervalSinceReferenceDate() + reads++); },
        oneHourEast);
    EXPECT_EQ(transformed(transformer, u"<ss> <ss> <ii>"), String(u"02 02 05"));
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(transformed(transformer, u"<ss>"), String(u"03"));
    EXPECT_EQ(reads, 2);
}

TEST(LWDateTagElaborated, AMomentTheCalendarCannotSplitLeavesTheTags) {
    for (const double seconds : {std::numeric_limits<double>::quiet_NaN(), 1e300})
        EXPECT_EQ(transformed(at(Date(seconds)), u"<YY>-<mm> x"), String(u"<YY>-<mm> x"));
}

} // namespace

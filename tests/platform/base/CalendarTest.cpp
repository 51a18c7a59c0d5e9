#include "platform/base/Calendar.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

using platform::Calendar;
using platform::Date;

namespace {

using Components = Calendar::Components;

// The user's time zone comes from the environment; each test puts back what it found.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;
    ~ScopedTimeZone() {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

} // namespace

TEST(Calendar, ComponentsAtAFixedOffset) {
    struct Case {
        double unixTime;
        std::int32_t offset;
        Components expected;
    };
    const Case cases[] = {
        {978307200, 0, {2001, 1, 1, 0, 0, 0}}, // the reference date itself
        {1804230249, 0, {2027, 3, 5, 7, 4, 9}},
        {1772874302, 0, {2026, 3, 7, 9, 5, 2}},
        {1709251199, 0, {2024, 2, 29, 23, 59, 59}},
        {1709251199.999, 0, {2024, 2, 29, 23, 59, 59}}, // never rounded up into the next day
        {978307199.5, 0, {2000, 12, 31, 23, 59, 59}},   // before the reference date
        {-0.5, 0, {1969, 12, 31, 23, 59, 59}},
        {1709251199, 3600, {2024, 3, 1, 0, 59, 59}},
        {1804230249, -8 * 3600, {2027, 3, 4, 23, 4, 9}},
        {1804230249, 5 * 3600 + 1800, {2027, 3, 5, 12, 34, 9}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Calendar::calendarWithSecondsFromGMT(c.offset).components(
                      Date::fromUnixTime(c.unixTime)),
                  c.expected)
            << c.unixTime << " at " << c.offset;
}

TEST(Calendar, CurrentCalendarFollowsTheUsersTimeZone) {
    const auto winter = Date::fromUnixTime(1768478400); // 2026-01-15 12:00 UTC
    const auto summer = Date::fromUnixTime(1782907200); // 2026-07-01 12:00 UTC
    {
        const ScopedTimeZone zone("Europe/Berlin");
        EXPECT_EQ(Calendar::currentCalendar().components(winter),
                  (Components{2026, 1, 15, 13, 0, 0}));
        EXPECT_EQ(Calendar::currentCalendar().components(summer),
                  (Components{2026, 7, 1, 14, 0, 0}));
    }
    {
        const ScopedTimeZone zone("America/Los_Angeles");
        EXPECT_EQ(Calendar::currentCalendar().components(Date::fromUnixTime(1804230249)),
                  (Components{2027, 3, 4, 23, 4, 9}));
    }
    const ScopedTimeZone zone("UTC");
    EXPECT_EQ(Calendar::currentCalendar().components(summer), (Components{2026, 7, 1, 12, 0, 0}));
}

TEST(Calendar, DatesBeyondCountingHaveNoComponents) {
    for (const double seconds : {std::nan(""), std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(), 1e300, -1e300, 1e18})
        for (const auto& calendar :
             {Calendar::currentCalendar(), Calendar::calendarWithSecondsFromGMT(0)})
            EXPECT_FALSE(calendar.components(Date(seconds))) << seconds;
}

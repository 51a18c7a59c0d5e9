#pragma once

#include "platform/base/Date.h"

#include <cstdint>
#include <optional>

namespace platform {

// The proleptic Gregorian calendar, in the user's time zone or at a fixed offset from GMT.
class Calendar {
public:
    struct Components {
        std::int64_t year = 0;
        std::int64_t month = 0; // 1 to 12
        std::int64_t day = 0;   // 1 to 31
        std::int64_t hour = 0;  // 0 to 23
        std::int64_t minute = 0;
        std::int64_t second = 0;
        bool operator==(const Components&) const = default;
    };

    // The time zone is the one of the TZ environment variable, else /etc/localtime, as it
    // is when components() is asked.
    [[nodiscard]] static Calendar currentCalendar();
    // A time zone without daylight saving time: 0 is UTC.
    [[nodiscard]] static Calendar calendarWithSecondsFromGMT(std::int32_t seconds);

    // None for a date that is not finite or lies beyond the years the system can count.
    [[nodiscard]] std::optional<Components> components(Date date) const;

private:
    explicit Calendar(std::optional<std::int32_t> secondsFromGMT)
        : secondsFromGMT_(secondsFromGMT) {}

    std::optional<std::int32_t> secondsFromGMT_; // none: the user's time zone
};

} // namespace platform

#include "platform/base/Calendar.h"

#include <cmath>
#include <ctime>

namespace platform {
namespace {

// Far beyond any year that struct tm can hold, and well inside time_t.
constexpr double secondsLimit = 1e17;

std::optional<std::time_t> unixSeconds(Date date, std::int32_t offset) {
    const double seconds = std::floor(date.timeIntervalSince1970()) + offset;
    if (!std::isfinite(seconds) || std::fabs(seconds) > secondsLimit)
        return std::nullopt;
    return static_cast<std::time_t>(seconds);
}

Calendar::Components componentsOf(const std::tm& fields) {
    return {std::int64_t{fields.tm_year} + 1900,
            std::int64_t{fields.tm_mon} + 1,
            fields.tm_mday,
            fields.tm_hour,
            fields.tm_min,
            fields.tm_sec};
}

} // namespace

Calendar Calendar::currentCalendar() {
    return Calendar(std::nullopt);
}

Calendar Calendar::calendarWithSecondsFromGMT(std::int32_t seconds) {
    return Calendar(seconds);
}

std::optional<Calendar::Components> Calendar::components(Date date) const {
    const auto seconds = unixSeconds(date, secondsFromGMT_.value_or(0));
    if (!seconds)
        return std::nullopt;
    std::tm fields{};
    if (secondsFromGMT_) {
        if (!gmtime_r(&*seconds, &fields))
            return std::nullopt;
    } else {
        // localtime_r need not look at TZ again; tzset makes a change of it count.
        tzset();
        if (!localtime_r(&*seconds, &fields))
            return std::nullopt;
    }
    return componentsOf(fields);
}

} // namespace platform

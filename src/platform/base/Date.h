#pragma once

#include <compare>

namespace platform {

// A moment as the platform keeps it: seconds since 2001-01-01 00:00:00 UTC.
class Date {
public:
    // Seconds from the Unix epoch to the reference date.
    static constexpr double unixEpochOffset = 978307200.0;

    constexpr Date() = default;
    constexpr explicit Date(double secondsSinceReferenceDate)
        : seconds_(secondsSinceReferenceDate) {}

    static Date now();
    static constexpr Date fromUnixTime(double secondsSince1970) {
        return Date(secondsSince1970 - unixEpochOffset);
    }

    constexpr double timeIntervalSinceReferenceDate() const { return seconds_; }
    constexpr double timeIntervalSince1970() const { return seconds_ + unixEpochOffset; }

    constexpr auto operator<=>(const Date&) const = default;

private:
    double seconds_ = 0;
};

} // namespace platform

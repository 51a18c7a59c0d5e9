#pragma once

#include <ctime>

namespace platform {

// The clock of the run loops that run in real time: seconds since the system booted, the
// time it was suspended included, so that a timer's wait counts the time the machine
// slept.
[[nodiscard]] inline double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace platform

#pragma once

#include <chrono>

namespace platform {

// The clock of the run loops that run in real time: seconds since some fixed moment.
[[nodiscard]] inline double monotonicSeconds() {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace platform

#pragma once

#include <map>
#include <memory>
#include <optional>

namespace platform {

class Timer;

// The scheduled timers of one run loop driver, in fire-date order (timers due at the same
// moment in the order they were scheduled). Main thread only.
class TimerQueue {
public:
    TimerQueue() = default;
    TimerQueue(const TimerQueue&) = delete;
    TimerQueue& operator=(const TimerQueue&) = delete;
    // The timers still scheduled become invalid: their loop is gone.
    ~TimerQueue();

    void add(std::shared_ptr<Timer> timer);
    void remove(const Timer& timer);

    // None when no timer is scheduled.
    [[nodiscard]] std::optional<double> nextFireDate() const;

    // Fires the earliest timer when it is due at `now`; false when none is.
    bool fireEarliest(double now);

private:
    std::multimap<double, std::shared_ptr<Timer>> timers_;
};

} // namespace platform

#include "platform/base/TimerQueue.h"

#include "platform/base/Timer.h"

namespace platform {

TimerQueue::~TimerQueue() {
    // Every timer is detached before any block is let go of: a block's captures may
    // invalidate other timers as they are destroyed.
    auto timers = std::move(timers_);
    timers_.clear();
    for (auto& [date, timer] : timers)
        timer->loopEnded();
    for (auto& [date, timer] : timers)
        timer->release();
}

void TimerQueue::add(std::shared_ptr<Timer> timer) {
    const double date = timer->fireDate();
    timers_.emplace(date, std::move(timer));
}

void TimerQueue::remove(const Timer& timer) {
    auto [first, last] = timers_.equal_range(timer.fireDate());
    for (auto it = first; it != last; ++it) {
        if (it->second.get() == &timer) {
            timers_.erase(it);
            return;
        }
    }
}

std::optional<double> TimerQueue::nextFireDate() const {
    if (timers_.empty())
        return std::nullopt;
    return timers_.begin()->first;
}

bool TimerQueue::fireEarliest(double now) {
    if (timers_.empty() || timers_.begin()->first > now)
        return false;
    std::shared_ptr<Timer> timer = std::move(timers_.begin()->second);
    timers_.erase(timers_.begin());
    timer->fire(now);
    return true;
}

} // namespace platform

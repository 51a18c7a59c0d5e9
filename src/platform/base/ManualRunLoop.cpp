#include "platform/base/ManualRunLoop.h"

#include "platform/base/ProgrammingError.h"

#include <algorithm>

namespace platform {

void ManualRunLoop::runUntilIdle() {
    while (std::optional<Block> block = postedBlocks().takeOrWaitForBackground())
        (*block)();
}

void ManualRunLoop::runPostedBlocks() {
    while (std::optional<Block> block = postedBlocks().take())
        (*block)();
}

void ManualRunLoop::advance(double seconds) {
    if (!(seconds >= 0))
        programmingError("ManualRunLoop::advance was asked to move the clock backwards");
    const double until = now_ + seconds;
    runUntilIdle();
    while (fireNextTimerUntil(until))
        runUntilIdle();
    // A nested advance (a modal session waiting in a timer's block) may have gone further.
    now_ = std::max(now_, until);
    runUntilIdle();
}

void ManualRunLoop::addTimer(std::shared_ptr<Timer> timer) {
    timers_.add(std::move(timer));
}

void ManualRunLoop::removeTimer(const Timer& timer) {
    timers_.remove(timer);
}

bool ManualRunLoop::fireNextTimerUntil(double until) {
    const std::optional<double> date = timers_.nextFireDate();
    if (!date || *date > until)
        return false;
    now_ = std::max(now_, *date);
    return timers_.fireEarliest(now_);
}

} // namespace platform

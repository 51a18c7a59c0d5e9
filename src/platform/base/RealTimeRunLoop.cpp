#include "platform/base/RealTimeRunLoop.h"

#include "platform/base/MonotonicSeconds.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace platform {

namespace {

// Waits are cut into pieces no longer than this, so that a far-off timer cannot overflow
// the clock's arithmetic.
constexpr double longestWait = 3600.0;

} // namespace

void RealTimeRunLoop::run() {
    while (!stopRequested_.exchange(false)) {
        if (!runOneEvent())
            waitForEvent();
    }
}

// Set before the wake, so that a wait that has not yet begun sees it.
void RealTimeRunLoop::stop() {
    stopRequested_ = true;
    postedBlocks().wake();
}

void RealTimeRunLoop::addTimer(std::shared_ptr<Timer> timer) {
    timers_.add(std::move(timer));
}

void RealTimeRunLoop::removeTimer(const Timer& timer) {
    timers_.remove(timer);
}

double RealTimeRunLoop::now() const {
    return monotonicSeconds();
}

// Turns alternate between timers and posted blocks, so that neither starves the other.
bool RealTimeRunLoop::runOneEvent() {
    timersFirst_ = !timersFirst_;
    if (timersFirst_)
        return timers_.fireEarliest(now()) || runOneBlock();
    return runOneBlock() || timers_.fireEarliest(now());
}

bool RealTimeRunLoop::runOneBlock() {
    const std::optional<Block> block = postedBlocks().take();
    if (!block)
        return false;
    (*block)();
    return true;
}

void RealTimeRunLoop::waitForEvent() {
    const std::optional<double> date = timers_.nextFireDate();
    std::optional<double> seconds;
    if (date)
        seconds = std::clamp(*date - now(), 0.0, longestWait);
    postedBlocks().waitForPost(seconds, [this] { return stopRequested_.load(); });
}

} // namespace platform

#include "platform/base/RealTimeRunLoop.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

namespace platform {

namespace {

// Waits are cut into pieces no longer than this, so that a far-off timer cannot overflow
// the clock's arithmetic.
constexpr double longestWait = 3600.0;

} // namespace

void RealTimeRunLoop::run() {
    while (!takeStopRequest()) {
        if (!runOneEvent())
            waitForEvent();
    }
}

void RealTimeRunLoop::stop() {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
    changed_.notify_all();
}

void RealTimeRunLoop::post(Block block) {
    std::lock_guard lock(mutex_);
    blocks_.push_back(std::move(block));
    changed_.notify_all();
}

void RealTimeRunLoop::addTimer(std::shared_ptr<Timer> timer) {
    timers_.add(std::move(timer));
}

void RealTimeRunLoop::removeTimer(const Timer& timer) {
    timers_.remove(timer);
}

double RealTimeRunLoop::now() const {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void RealTimeRunLoop::backgroundOperationBegan() {
    std::lock_guard lock(mutex_);
    ++backgroundOperations_;
}

// Notified under the lock: once the count drops the loop may go at once.
void RealTimeRunLoop::backgroundOperationEnded() {
    std::lock_guard lock(mutex_);
    --backgroundOperations_;
    changed_.notify_all();
}

void RealTimeRunLoop::waitForBackgroundOperations() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return backgroundOperations_ == 0; });
}

bool RealTimeRunLoop::takeStopRequest() {
    std::lock_guard lock(mutex_);
    return std::exchange(stopRequested_, false);
}

// Turns alternate between timers and posted blocks, so that neither starves the other.
bool RealTimeRunLoop::runOneEvent() {
    timersFirst_ = !timersFirst_;
    if (timersFirst_)
        return timers_.fireEarliest(now()) || runOneBlock();
    return runOneBlock() || timers_.fireEarliest(now());
}

bool RealTimeRunLoop::runOneBlock() {
    std::unique_lock lock(mutex_);
    if (blocks_.empty())
        return false;
    Block block = std::move(blocks_.front());
    blocks_.pop_front();
    lock.unlock();
    block();
    return true;
}

void RealTimeRunLoop::waitForEvent() {
    std::unique_lock lock(mutex_);
    if (!blocks_.empty() || stopRequested_)
        return;
    const std::optional<double> date = timers_.nextFireDate();
    if (!date) {
        changed_.wait(lock);
        return;
    }
    const double seconds = std::clamp(*date - now(), 0.0, longestWait);
    changed_.wait_for(lock, std::chrono::duration<double>(seconds));
}

} // namespace platform

#include "platform/base/ManualRunLoop.h"

#include "platform/base/ProgrammingError.h"

namespace platform {

void ManualRunLoop::runUntilIdle() {
    while (std::optional<Block> block = nextBlock())
        (*block)();
}

void ManualRunLoop::advance(double seconds) {
    if (!(seconds >= 0))
        programmingError("ManualRunLoop::advance was asked to move the clock backwards");
    const double until = now_ + seconds;
    runUntilIdle();
    while (fireNextTimerUntil(until))
        runUntilIdle();
    now_ = until;
    runUntilIdle();
}

void ManualRunLoop::post(Block block) {
    std::lock_guard lock(mutex_);
    blocks_.push_back(std::move(block));
    changed_.notify_all();
}

void ManualRunLoop::addTimer(std::shared_ptr<Timer> timer) {
    timers_.add(std::move(timer));
}

void ManualRunLoop::removeTimer(const Timer& timer) {
    timers_.remove(timer);
}

void ManualRunLoop::backgroundOperationBegan() {
    std::lock_guard lock(mutex_);
    ++backgroundOperations_;
}

// Notified under the lock: once the count drops the loop may go at once.
void ManualRunLoop::backgroundOperationEnded() {
    std::lock_guard lock(mutex_);
    --backgroundOperations_;
    changed_.notify_all();
}

void ManualRunLoop::waitForBackgroundOperations() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return backgroundOperations_ == 0; });
}

// None once no block is queued and no background operation can post one.
std::optional<RunLoop::Block> ManualRunLoop::nextBlock() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !blocks_.empty() || backgroundOperations_ == 0; });
    if (blocks_.empty())
        return std::nullopt;
    Block block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

bool ManualRunLoop::fireNextTimerUntil(double until) {
    const std::optional<double> date = timers_.nextFireDate();
    if (!date || *date > until)
        return false;
    now_ = *date;
    return timers_.fireEarliest(now_);
}

} // namespace platform

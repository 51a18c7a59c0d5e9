#include "gui/QtRunLoop.h"

#include "platform/base/MonotonicSeconds.h"
#include "platform/base/ProgrammingError.h"

#include <QMetaObject>

namespace gui {

QtRunLoop::QtRunLoop(Clock clock) : manualClock_(clock == Clock::Manual) {
    if (!manualClock_)
        wakeUp_ = std::make_unique<BootClockWakeUp>([this] { fireDueTimer(); });
}

QtRunLoop::~QtRunLoop() = default;

void QtRunLoop::advance(double seconds) {
    if (!manualClock_)
        platform::programmingError("QtRunLoop::advance was called on the boot clock");
    if (!(seconds >= 0))
        platform::programmingError("QtRunLoop::advance was asked to move the clock backwards");
    const double until = manualNow_ + seconds;
    for (auto date = timers_.nextFireDate(); date && *date <= until;
         date = timers_.nextFireDate()) {
        manualNow_ = *date;
        timers_.fireEarliest(manualNow_);
    }
    manualNow_ = until;
}

void QtRunLoop::post(Block block) {
    RunLoop::post(std::move(block));
    // One queued call per block keeps other events flowing between blocks; the queue keeps
    // the order of posts from different threads.
    QMetaObject::invokeMethod(
        this, [this] { runOneBlock(); }, Qt::QueuedConnection);
}

void QtRunLoop::runOneBlock() {
    if (const auto block = postedBlocks().take())
        (*block)();
}

void QtRunLoop::addTimer(std::shared_ptr<platform::Timer> timer) {
    timers_.add(std::move(timer));
    armTimer();
}

void QtRunLoop::removeTimer(const platform::Timer& timer) {
    timers_.remove(timer);
    armTimer();
}

// Armed again before the timer fires, so that a nested event loop started by its block
// still fires the timers after it.
void QtRunLoop::fireDueTimer() {
    armTimer();
    if (timers_.fireEarliest(now()))
        armTimer();
}

void QtRunLoop::armTimer() {
    if (wakeUp_)
        wakeUp_->arm(timers_.nextFireDate());
}

double QtRunLoop::now() const {
    if (manualClock_)
        return manualNow_;
    return platform::monotonicSeconds();
}

} // namespace gui

#include "platform/base/Timer.h"

#include "platform/base/ProgrammingError.h"
#include "platform/base/RunLoop.h"

#include <cmath>

namespace platform {

namespace {

constexpr double shortestInterval = 0.0001;

} // namespace

std::shared_ptr<Timer> Timer::scheduledTimerWithTimeInterval(double seconds, bool repeats,
                                                             Block block) {
    if (!block)
        programmingError("a timer was scheduled without a block");
    RunLoop& loop = RunLoop::mainRunLoop();
    const double interval = seconds > 0 ? seconds : shortestInterval;
    std::shared_ptr<Timer> timer(
        new Timer(loop, loop.now() + interval, interval, repeats, std::move(block)));
    loop.addTimer(timer);
    return timer;
}

Timer::Timer(RunLoop& loop, double fireDate, double interval, bool repeats, Block block)
    : loop_(&loop), fireDate_(fireDate), interval_(interval), repeats_(repeats),
      block_(std::move(block)) {}

void Timer::invalidate() {
    if (!valid_)
        return;
    valid_ = false;
    loop_->removeTimer(*this);
    release();
}

void Timer::fire(double now) {
    firing_ = true;
    block_(*this);
    firing_ = false;
    if (valid_ && repeats_) {
        fireDate_ = nextFireDateAfter(now);
        loop_->addTimer(shared_from_this());
        return;
    }
    valid_ = false;
    release();
}

void Timer::loopEnded() {
    valid_ = false;
    loop_ = nullptr;
}

// Captures of the block may hold the timer's owner; letting go breaks such cycles. A block
// that invalidates its own timer is still running and is let go of once it returns.
void Timer::release() {
    if (!firing_)
        block_ = nullptr;
}

// A real-time loop that fell behind fires once for all the dates it missed.
double Timer::nextFireDateAfter(double now) const {
    double next = fireDate_ + interval_;
    if (next <= now)
        next += (std::floor((now - next) / interval_) + 1) * interval_;
    return next > now ? next : now + interval_;
}

} // namespace platform

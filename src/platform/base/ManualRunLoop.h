#pragma once

#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

namespace platform {

// The run loop of tests: nothing happens until the test says so, and its clock is virtual
// (it starts at 0 and moves only by advance). Nothing sleeps in real time; the only waits
// are for background operations that are still running.
class ManualRunLoop final : public RunLoop {
public:
    // Runs the posted blocks in order, blocks posted meanwhile included, and waits for the
    // background operations still counted to hand back, until none is left of either.
    void runUntilIdle();
    // The same without waiting for background operations: what the main thread does while
    // a background operation is still busy.
    void runPostedBlocks();

    // Moves the clock by `seconds` (not negative), firing every timer due in the span in
    // fire-date order, with the clock at its fire date; the blocks a firing posts run
    // before the next timer. Runs until idle before, between and after. Called from a
    // timer's block (time passing in a modal session), it may take the clock further than
    // the outer call would; the clock never goes back.
    void advance(double seconds);

    void addTimer(std::shared_ptr<Timer> timer) override;
    void removeTimer(const Timer& timer) override;
    [[nodiscard]] double now() const override { return now_; }

private:
    bool fireNextTimerUntil(double until);

    double now_ = 0;
    TimerQueue timers_;
};

} // namespace platform

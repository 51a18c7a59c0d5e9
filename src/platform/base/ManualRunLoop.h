#pragma once

#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace platform {

// The run loop of tests: nothing happens until the test says so, and its clock is virtual
// (it starts at 0 and moves only by advance). Nothing sleeps in real time; the only waits
// are for background operations that are still running.
class ManualRunLoop final : public RunLoop {
public:
    // Runs the posted blocks in order, blocks posted meanwhile included, and waits for the
    // background operations still counted to hand back, until none is left of either.
    void runUntilIdle();

    // Moves the clock by `seconds` (not negative), firing every timer due in the span in
    // fire-date order, with the clock at its fire date; the blocks a firing posts run
    // before the next timer. Runs until idle before, between and after.
    void advance(double seconds);

    void post(Block block) override;
    void addTimer(std::shared_ptr<Timer> timer) override;
    void removeTimer(const Timer& timer) override;
    [[nodiscard]] double now() const override { return now_; }
    void backgroundOperationBegan() override;
    void backgroundOperationEnded() override;
    void waitForBackgroundOperations() override;

private:
    [[nodiscard]] std::optional<Block> nextBlock();
    bool fireNextTimerUntil(double until);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block> blocks_;
    int backgroundOperations_ = 0;
    double now_ = 0;
    TimerQueue timers_;
};

} // namespace platform

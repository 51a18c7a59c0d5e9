#pragma once

#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace platform {

// The run loop of the program: runs on the thread that calls run() until stop(), sleeping
// until the next posted block or timer. Its clock is the steady clock.
class RealTimeRunLoop final : public RunLoop {
public:
    void run();
    // Any thread. Makes the current run() return after the event in progress, or the next
    // one return at once.
    void stop();

    void post(Block block) override;
    void addTimer(std::shared_ptr<Timer> timer) override;
    void removeTimer(const Timer& timer) override;
    [[nodiscard]] double now() const override;
    void backgroundOperationBegan() override;
    void backgroundOperationEnded() override;
    void waitForBackgroundOperations() override;

private:
    [[nodiscard]] bool takeStopRequest();
    bool runOneEvent();
    bool runOneBlock();
    void waitForEvent();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block> blocks_;
    int backgroundOperations_ = 0;
    bool stopRequested_ = false;
    bool timersFirst_ = false;
    TimerQueue timers_;
};

} // namespace platform

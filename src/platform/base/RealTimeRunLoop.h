#pragma once

#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

#include <atomic>

namespace platform {

// The run loop of the program: runs on the thread that calls run() until stop(), sleeping
// until the next posted block or timer. Its clock counts suspended time (monotonicSeconds).
class RealTimeRunLoop final : public RunLoop {
public:
    void run();
    // Any thread. Makes the current run() return after the event in progress, or the next
    // one return at once.
    void stop();

    void addTimer(std::shared_ptr<Timer> timer) override;
    void removeTimer(const Timer& timer) override;
    [[nodiscard]] double now() const override;

private:
    bool runOneEvent();
    bool runOneBlock();
    void waitForEvent();

    std::atomic<bool> stopRequested_ = false;
    bool timersFirst_ = false;
    TimerQueue timers_;
};

} // namespace platform

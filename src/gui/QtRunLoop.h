#pragma once

#include "gui/BootClockWakeUp.h"
#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

#include <QObject>
#include <memory>

namespace gui {

// The main run loop driven by Qt's event loop, nested loops included: each posted block is
// one queued call on the thread that made the loop, and the timers share one wake-up set to
// the earliest fire date. Its clock is the boot clock, which counts the time the machine
// was suspended (a timer due meanwhile fires at the resume), or for tests a manual one that
// stands still until advanced.
class QtRunLoop final : public QObject, public platform::RunLoop {
public:
    enum class Clock { Boot, Manual };

    explicit QtRunLoop(Clock clock = Clock::Boot);
    ~QtRunLoop() override;

    // Manual clock only. Moves it by `seconds` (not negative), firing every timer due in the
    // span in fire-date order, with the clock at its fire date. What they post runs as the
    // event loop next runs.
    void advance(double seconds);

    void post(Block block) override;
    void addTimer(std::shared_ptr<platform::Timer> timer) override;
    void removeTimer(const platform::Timer& timer) override;
    [[nodiscard]] double now() const override;

private:
    void runOneBlock();
    void fireDueTimer();
    void armTimer();

    platform::TimerQueue timers_;
    const bool manualClock_;
    // None on the manual clock, which advance moves and which fires the timers itself.
    std::unique_ptr<BootClockWakeUp> wakeUp_;
    double manualNow_ = 0;
};

} // namespace gui

#pragma once

#include "platform/base/RunLoop.h"
#include "platform/base/TimerQueue.h"

#include <QObject>
#include <QTimer>

namespace gui {

// The main run loop driven by Qt's event loop, nested loops included: each posted block is
// one queued call on the thread that made the loop, and the timers share one QTimer set to
// the earliest fire date. Its clock is the steady clock.
class QtRunLoop final : public QObject, public platform::RunLoop {
public:
    QtRunLoop();
    ~QtRunLoop() override;

    void post(Block block) override;
    void addTimer(std::shared_ptr<platform::Timer> timer) override;
    void removeTimer(const platform::Timer& timer) override;
    [[nodiscard]] double now() const override;

private:
    void runOneBlock();
    void fireDueTimer();
    void armTimer();

    platform::TimerQueue timers_;
    QTimer wakeUp_;
};

} // namespace gui

#pragma once

#include <functional>
#include <memory>

namespace platform {

class RunLoop;

// A timer on the main run loop. The loop keeps a scheduled timer alive until it is
// invalidated or, when it does not repeat, has fired.
class Timer : public std::enable_shared_from_this<Timer> {
public:
    using Block = std::function<void(Timer& timer)>;

    // An interval of 0 or less becomes 0.0001 seconds, as on the platform. Main thread.
    [[nodiscard]] static std::shared_ptr<Timer>
    scheduledTimerWithTimeInterval(double seconds, bool repeats, Block block);

    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // The timer never fires afterwards and lets go of its block.
    void invalidate();
    [[nodiscard]] bool isValid() const { return valid_; }

    // The next (or, once invalid, the last) time it fires, on the run loop's clock.
    [[nodiscard]] double fireDate() const { return fireDate_; }
    // 0 for a timer that does not repeat, as on the platform.
    [[nodiscard]] double timeInterval() const { return repeats_ ? interval_ : 0.0; }

private:
    friend class TimerQueue;

    Timer(RunLoop& loop, double fireDate, double interval, bool repeats, Block block);

    void fire(double now);
    void loopEnded();
    void release();
    [[nodiscard]] double nextFireDateAfter(double now) const;

    RunLoop* loop_;
    double fireDate_;
    double interval_;
    bool repeats_;
    bool valid_ = true;
    bool firing_ = false;
    Block block_;
};

} // namespace platform

#pragma once

#include "platform/base/PostedBlocks.h"

#include <functional>
#include <memory>

namespace platform {

class Timer;

// Everything that runs on the main thread: blocks posted to the main queue, timers, and
// the clock they keep. Drivers implement it (a manual one for tests, a real-time one, the
// Qt event loop); one of them is installed as the main run loop by ScopedMainRunLoop.
class RunLoop {
public:
    using Block = std::function<void()>;

    RunLoop() = default;
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;
    virtual ~RunLoop();

    // The installed main run loop; ends the program when none is installed.
    [[nodiscard]] static RunLoop& mainRunLoop();
    // Whether one is installed: before the program's loop starts and after it ends, none is.
    [[nodiscard]] static bool hasMainRunLoop();

    // Any thread. The block runs on the main thread after the current event, after every
    // block posted before it. Queued in postedBlocks() for the driver to run.
    virtual void post(Block block) { posted_.push(std::move(block)); }

    // Main thread. The loop holds a timer from here until it is removed or fires for the
    // last time.
    virtual void addTimer(std::shared_ptr<Timer> timer) = 0;
    virtual void removeTimer(const Timer& timer) = 0;

    // Monotonic seconds; timers' fire dates are on this clock.
    [[nodiscard]] virtual double now() const = 0;

    // Any thread. Background work that may hand a result back is counted from the moment
    // it is queued until it has run, so that a test loop can wait for its result and the
    // loop is not uninstalled under it.
    void backgroundOperationBegan() { posted_.backgroundOperationBegan(); }
    void backgroundOperationEnded() { posted_.backgroundOperationEnded(); }
    void waitForBackgroundOperations() { posted_.waitForBackgroundOperations(); }

protected:
    // The drivers queue the posted blocks here, beside the count.
    [[nodiscard]] PostedBlocks& postedBlocks() { return posted_; }

private:
    friend class ScopedMainRunLoop;
    static void install(RunLoop& loop);
    static void uninstall(RunLoop& loop);

    PostedBlocks posted_;
};

} // namespace platform

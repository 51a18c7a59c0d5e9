#pragma once

#include "platform/base/RunLoop.h"

namespace platform {

// Installs a run loop as the main run loop for its lifetime. The program makes one around
// its real-time loop, a test one around its manual loop; the loop must outlive it.
class ScopedMainRunLoop {
public:
    explicit ScopedMainRunLoop(RunLoop& loop);
    // Waits for the background operations still counted against the loop: their hand-backs
    // post to the main queue, which must stay installed until they have.
    ~ScopedMainRunLoop();

    ScopedMainRunLoop(const ScopedMainRunLoop&) = delete;
    ScopedMainRunLoop& operator=(const ScopedMainRunLoop&) = delete;

private:
    RunLoop& loop_;
};

} // namespace platform

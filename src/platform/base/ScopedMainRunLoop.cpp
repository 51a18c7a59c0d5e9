#include "platform/base/ScopedMainRunLoop.h"

namespace platform {

ScopedMainRunLoop::ScopedMainRunLoop(RunLoop& loop) : loop_(loop) {
    RunLoop::install(loop_);
}

ScopedMainRunLoop::~ScopedMainRunLoop() {
    loop_.waitForBackgroundOperations();
    RunLoop::uninstall(loop_);
}

} // namespace platform

#include "platform/base/RunLoop.h"

#include "platform/base/ProgrammingError.h"

#include <atomic>

namespace platform {

namespace {

// Read by worker threads handing results back, so atomic.
std::atomic<RunLoop*> installedMainRunLoop{nullptr};

} // namespace

RunLoop::~RunLoop() {
    if (installedMainRunLoop.load(std::memory_order_acquire) == this)
        programmingError("a run loop was destroyed while installed as the main run loop");
}

RunLoop& RunLoop::mainRunLoop() {
    RunLoop* loop = installedMainRunLoop.load(std::memory_order_acquire);
    if (loop == nullptr)
        programmingError("the main queue or a timer was used with no main run loop installed");
    return *loop;
}

bool RunLoop::hasMainRunLoop() {
    return installedMainRunLoop.load(std::memory_order_acquire) != nullptr;
}

void RunLoop::install(RunLoop& loop) {
    RunLoop* expected = nullptr;
    if (!installedMainRunLoop.compare_exchange_strong(expected, &loop, std::memory_order_acq_rel))
        programmingError("a main run loop was installed while another one is");
}

void RunLoop::uninstall(RunLoop& loop) {
    RunLoop* expected = &loop;
    installedMainRunLoop.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel);
}

} // namespace platform

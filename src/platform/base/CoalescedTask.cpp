#include "platform/base/CoalescedTask.h"

namespace platform {

CoalescedTask::CoalescedTask(std::chrono::milliseconds delay, std::function<void()> task)
    : delay_(delay), task_(std::move(task)) {}

CoalescedTask::~CoalescedTask() {
    stop();
}

void CoalescedTask::request() {
    std::lock_guard lock(mutex_);
    if (stopped_)
        return;
    requested_ = true;
    if (!thread_.joinable())
        thread_ = std::thread([this] { serve(); });
    wake_.notify_one();
}

void CoalescedTask::stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void CoalescedTask::serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return requested_ || stopped_; });
        const auto due = std::chrono::steady_clock::now() + delay_;
        if (wake_.wait_until(lock, due, [this] { return stopped_; }))
            return;
        requested_ = false;
        lock.unlock();
        task_();
        lock.lock();
    }
}

} // namespace platform

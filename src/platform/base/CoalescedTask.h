#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// Runs a task on a thread of its own a delay after it was requested, so that a burst of
// requests costs one run. Requests made while the task runs ask for one more run. The
// thread starts with the first request.
class CoalescedTask {
public:
    CoalescedTask(std::chrono::milliseconds delay, std::function<void()> task);
    CoalescedTask(const CoalescedTask&) = delete;
    CoalescedTask& operator=(const CoalescedTask&) = delete;
    ~CoalescedTask();

    void request();

    // Waits for a run in progress and ends the thread; a requested run that has not begun is
    // dropped, and later requests are ignored.
    void stop();

private:
    void serve();

    const std::chrono::milliseconds delay_;
    const std::function<void()> task_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
    bool stopped_ = false;
    std::thread thread_;
};

} // namespace platform

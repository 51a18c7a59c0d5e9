#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace platform {

// Runs blocks one after another on a thread of its own, started with the first block. The
// thread holds the worker, so blocks still queued when the owner closes it run all the
// same; the thread ends once it is closed and has run them.
class SerialWorker : public std::enable_shared_from_this<SerialWorker> {
public:
    using Block = std::function<void()>;

    SerialWorker() = default;
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void add(Block block);
    void close();

private:
    void run();
    [[nodiscard]] Block nextBlock();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block> blocks_;
    bool started_ = false;
    bool closed_ = false;
};

} // namespace platform

#include "platform/base/SerialWorker.h"

#include <thread>

namespace platform {

void SerialWorker::add(Block block) {
    std::lock_guard lock(mutex_);
    blocks_.push_back(std::move(block));
    if (!started_) {
        started_ = true;
        std::thread([self = shared_from_this()] { self->run(); }).detach();
    }
    changed_.notify_one();
}

void SerialWorker::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_one();
}

void SerialWorker::run() {
    while (Block block = nextBlock())
        block();
}

// An empty block once the worker is closed and has nothing left to run.
SerialWorker::Block SerialWorker::nextBlock() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !blocks_.empty() || closed_; });
    if (blocks_.empty())
        return {};
    Block block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

} // namespace platform

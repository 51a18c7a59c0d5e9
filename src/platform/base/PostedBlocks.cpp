#include "platform/base/PostedBlocks.h"

#include <chrono>

namespace platform {

void PostedBlocks::push(Block block) {
    std::lock_guard lock(mutex_);
    blocks_.push_back(std::move(block));
    changed_.notify_all();
}

std::optional<PostedBlocks::Block> PostedBlocks::take() {
    std::lock_guard lock(mutex_);
    return popFront();
}

std::optional<PostedBlocks::Block> PostedBlocks::takeOrWaitForBackground() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !blocks_.empty() || backgroundOperations_ == 0; });
    return popFront();
}

void PostedBlocks::waitForPost(std::optional<double> seconds, const std::function<bool()>& woken) {
    std::unique_lock lock(mutex_);
    if (!blocks_.empty() || woken())
        return;
    if (!seconds)
        changed_.wait(lock);
    else
        changed_.wait_for(lock, std::chrono::duration<double>(*seconds));
}

void PostedBlocks::wake() {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

void PostedBlocks::backgroundOperationBegan() {
    std::lock_guard lock(mutex_);
    ++backgroundOperations_;
}

// Notified under the lock: once the count drops the loop may go at once.
void PostedBlocks::backgroundOperationEnded() {
    std::lock_guard lock(mutex_);
    --backgroundOperations_;
    changed_.notify_all();
}

void PostedBlocks::waitForBackgroundOperations() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return backgroundOperations_ == 0; });
}

// Under the lock.
std::optional<PostedBlocks::Block> PostedBlocks::popFront() {
    if (blocks_.empty())
        return std::nullopt;
    Block block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

} // namespace platform

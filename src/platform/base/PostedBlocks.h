#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace platform {

// The blocks posted to a main run loop and not yet run, and the background operations that
// may still post one, under one lock so that a loop can wait for either. Any thread.
class PostedBlocks {
public:
    using Block = std::function<void()>;

    void push(Block block);
    // The earliest block, or none when none is queued.
    [[nodiscard]] std::optional<Block> take();
    // The earliest block, waiting for one while a background operation is counted; none
    // once neither is left.
    [[nodiscard]] std::optional<Block> takeOrWaitForBackground();

    // Waits until a block is pushed, wake() is called or `seconds` (none: no limit) have
    // passed; returns at once when a block is queued or `woken` holds. `woken` is read under
    // the lock, so a flag set before wake() is never missed.
    void waitForPost(std::optional<double> seconds, const std::function<bool()>& woken);
    void wake();

    void backgroundOperationBegan();
    void backgroundOperationEnded();
    void waitForBackgroundOperations();

private:
    [[nodiscard]] std::optional<Block> popFront();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block> blocks_;
    int backgroundOperations_ = 0;
};

} // namespace platform

#pragma once

#include <functional>
#include <memory>

namespace platform {

class SerialWorker;

// The main queue runs its blocks on the main run loop, after the current event, in the order
// added. A queue made with the constructor runs its blocks one after another on a worker
// thread of its own; they run even when the queue is destroyed first, and each is counted
// against the main run loop until it has run, so that its hand-back through the main queue
// is waited for.
class OperationQueue {
public:
    using Block = std::function<void()>;

    OperationQueue();
    ~OperationQueue();
    OperationQueue(const OperationQueue&) = delete;
    OperationQueue& operator=(const OperationQueue&) = delete;

    [[nodiscard]] static OperationQueue mainQueue();

    // Any thread. Ends the program when no main run loop is installed.
    void addOperationWithBlock(Block block);

private:
    struct MainQueueTag {};
    explicit OperationQueue(MainQueueTag) {}

    void addToWorker(Block block);

    // None for the main queue.
    std::shared_ptr<SerialWorker> worker_;
};

} // namespace platform

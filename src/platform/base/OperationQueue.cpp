#include "platform/base/OperationQueue.h"

#include "platform/base/ProgrammingError.h"
#include "platform/base/RunLoop.h"
#include "platform/base/SerialWorker.h"

namespace platform {

OperationQueue::OperationQueue() : worker_(std::make_shared<SerialWorker>()) {}

OperationQueue::~OperationQueue() {
    if (worker_)
        worker_->close();
}

OperationQueue OperationQueue::mainQueue() {
    return OperationQueue(MainQueueTag{});
}

void OperationQueue::addOperationWithBlock(Block block) {
    if (!block)
        programmingError("an operation was added without a block");
    if (!worker_) {
        RunLoop::mainRunLoop().post(std::move(block));
        return;
    }
    addToWorker(std::move(block));
}

// The installed loop outlives the operation: its installer waits for the count to drop. The
// block's captures go first, on the worker thread, while the loop is still waiting.
void OperationQueue::addToWorker(Block block) {
    RunLoop& loop = RunLoop::mainRunLoop();
    loop.backgroundOperationBegan();
    worker_->add([&loop, block = std::move(block)]() mutable {
        block();
        block = nullptr;
        loop.backgroundOperationEnded();
    });
}

} // namespace platform

#include "platform/ui/PrintOperation.h"

#include "platform/ui/Environment.h"
#include "platform/ui/View.h"

#include <algorithm>

namespace platform {

void PrintOperation::setPresenter(Presenter presenter) {
    Environment::current().printPresenter = std::move(presenter);
}

std::shared_ptr<PrintOperation> PrintOperation::printOperationWithView(std::shared_ptr<View> view) {
    return std::make_shared<PrintOperation>(std::move(view));
}

PrintOperation::PrintOperation(std::shared_ptr<View> view)
    : view_(std::move(view)), printInfo_(*PrintInfo::sharedPrintInfo()) {}

void PrintOperation::runOperation(Completion completion) {
    completion_ = std::move(completion);
    auto& environment = Environment::current();
    const auto shown = environment.printPresenter;
    if (!shown) {
        cancel();
        return;
    }
    const auto self = std::static_pointer_cast<PrintOperation>(shared_from_this());
    environment.pendingPrintOperations.push_back(self);
    shown(self);
}

void PrintOperation::cancelOperationsOfWindow(const Window& window) {
    std::vector<std::shared_ptr<PrintOperation>> ofWindow;
    for (const auto& pending : Environment::current().pendingPrintOperations) {
        auto operation = pending.lock();
        if (operation && operation->view() && operation->view()->window().get() == &window)
            ofWindow.push_back(std::move(operation));
    }
    // A completion may run another operation, which this cancel leaves alone.
    for (const auto& operation : ofWindow)
        operation->cancel();
}

void PrintOperation::complete() {
    finish(State::Printed);
}

void PrintOperation::cancel() {
    finish(State::Cancelled);
}

void PrintOperation::finish(State state) {
    if (this->state() != State::Pending)
        return;
    std::erase_if(Environment::current().pendingPrintOperations, [this](const auto& pending) {
        const auto operation = pending.lock();
        return !operation || operation.get() == this;
    });
    state_.set(state);
    if (auto completion = std::move(completion_))
        completion(state == State::Printed);
}

} // namespace platform

#include "platform/ui/PrintOperation.h"

#include "platform/ui/Environment.h"
#include "platform/ui/View.h"

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
    environment.pendingPrintOperations.add(self);
    shown(self);
}

void PrintOperation::cancelOperationsOfWindow(const Window& window) {
    Environment::current().pendingPrintOperations.cancelOfWindow(window);
}

bool PrintOperation::belongsTo(const Window& window) const {
    return view_ && view_->window().get() == &window;
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
    Environment::current().pendingPrintOperations.remove(*this);
    state_.set(state);
    if (auto completion = std::move(completion_))
        completion(state == State::Printed);
}

} // namespace platform

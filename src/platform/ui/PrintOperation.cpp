#include "platform/ui/PrintOperation.h"

#include "platform/ui/Environment.h"

namespace platform {

void PrintOperation::setPresenter(Presenter presenter) {
    Environment::current().printPresenter = std::move(presenter);
}

std::shared_ptr<PrintOperation> PrintOperation::printOperationWithView(std::shared_ptr<View> view) {
    return std::make_shared<PrintOperation>(std::move(view));
}

PrintOperation::PrintOperation(std::shared_ptr<View> view) : view_(std::move(view)) {}

void PrintOperation::runOperation(Completion completion) {
    completion_ = std::move(completion);
    const auto shown = Environment::current().printPresenter;
    if (!shown) {
        cancel();
        return;
    }
    shown(std::static_pointer_cast<PrintOperation>(shared_from_this()));
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
    state_.set(state);
    if (auto completion = std::move(completion_))
        completion(state == State::Printed);
}

} // namespace platform

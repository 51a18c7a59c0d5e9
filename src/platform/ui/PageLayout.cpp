#include "platform/ui/PageLayout.h"

#include "platform/ui/Environment.h"

namespace platform {

void PageLayout::setPresenter(Presenter presenter) {
    Environment::current().pageLayoutPresenter = std::move(presenter);
}

std::shared_ptr<PageLayout> PageLayout::pageLayout() {
    return std::make_shared<PageLayout>();
}

void PageLayout::beginSheetModalForWindow(std::shared_ptr<Window> window, Completion completion) {
    window_ = std::move(window);
    printInfo_ = *PrintInfo::sharedPrintInfo();
    completion_ = std::move(completion);
    auto& environment = Environment::current();
    const auto shown = environment.pageLayoutPresenter;
    if (!shown) {
        cancel();
        return;
    }
    const auto self = std::static_pointer_cast<PageLayout>(shared_from_this());
    environment.pendingPageLayouts.add(self);
    shown(self);
}

void PageLayout::cancelLayoutsOfWindow(const Window& window) {
    Environment::current().pendingPageLayouts.cancelOfWindow(window);
}

bool PageLayout::belongsTo(const Window& window) const {
    return window_.get() == &window;
}

void PageLayout::complete() {
    if (state() == State::Pending)
        *PrintInfo::sharedPrintInfo() = printInfo_;
    finish(State::Accepted);
}

void PageLayout::cancel() {
    finish(State::Cancelled);
}

void PageLayout::finish(State state) {
    if (this->state() != State::Pending)
        return;
    Environment::current().pendingPageLayouts.remove(*this);
    state_.set(state);
    if (auto completion = std::move(completion_))
        completion(state == State::Accepted);
}

} // namespace platform

#include "platform/ui/PageLayout.h"

#include "platform/ui/Environment.h"

#include <algorithm>

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
    environment.pendingPageLayouts.push_back(self);
    shown(self);
}

void PageLayout::cancelLayoutsOfWindow(const Window& window) {
    std::vector<std::shared_ptr<PageLayout>> ofWindow;
    for (const auto& pending : Environment::current().pendingPageLayouts)
        if (auto layout = pending.lock(); layout && layout->window().get() == &window)
            ofWindow.push_back(std::move(layout));
    // A completion may begin another one, which this cancel leaves alone.
    for (const auto& layout : ofWindow)
        layout->cancel();
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
    std::erase_if(Environment::current().pendingPageLayouts, [this](const auto& pending) {
        const auto layout = pending.lock();
        return !layout || layout.get() == this;
    });
    state_.set(state);
    if (auto completion = std::move(completion_))
        completion(state == State::Accepted);
}

} // namespace platform

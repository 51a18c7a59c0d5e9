#include "platform/ui/Alert.h"

#include "platform/base/ProgrammingError.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"

#include <algorithm>

namespace platform {

Alert::Alert() = default;

void Alert::addDefaultButton() {
    if (buttonTitles_.empty())
        buttonTitles_.push_back(u"OK");
}

void Alert::beginSheetModalForWindow(const std::shared_ptr<Window>& window,
                                     CompletionHandler handler) {
    if (!window) {
        const ModalResponse answer = runModal();
        if (handler)
            handler(answer);
        return;
    }
    addDefaultButton();
    auto panel = std::make_shared<AlertPanel>(std::static_pointer_cast<Alert>(shared_from_this()));
    sheet_ = panel;
    window->beginSheet(panel, [handler = std::move(handler)](ModalResponse returnCode) {
        if (handler)
            handler(returnCode);
    });
}

ModalResponse Alert::runModal() {
    if (runningModal_)
        programmingError("an alert was run modally while it is already running modally");
    addDefaultButton();
    const auto keepAlive = weak_from_this().lock();
    runningModal_ = true;
    modalResponse_.change(std::nullopt);
    Application::sharedApplication()->runModalForAlert(*this);
    runningModal_ = false;
    return modalResponse_.get().value_or(ModalResponseAbort);
}

bool Alert::isShown() const {
    if (runningModal_)
        return !modalResponse_.get();
    const auto panel = sheet_.lock();
    return panel && panel->sheetParent();
}

bool Alert::userPressButton(std::size_t index) {
    if (index >= buttonTitles_.size() || !isShown())
        return false;
    const ModalResponse answer = AlertFirstButtonReturn + static_cast<ModalResponse>(index);
    if (runningModal_) {
        modalResponse_.set(answer);
        return true;
    }
    const auto panel = sheet_.lock();
    panel->sheetParent()->endSheet(panel, answer);
    return true;
}

bool Alert::userPressButton(const String& title) {
    const auto found = std::find(buttonTitles_.begin(), buttonTitles_.end(), title);
    if (found == buttonTitles_.end())
        return false;
    return userPressButton(static_cast<std::size_t>(found - buttonTitles_.begin()));
}

} // namespace platform

#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

class Window;

// The dialogs of one kind that are shown and not yet answered, held weakly (their
// presenters hold them), so that those of a window can be cancelled.
template <typename Dialog> class PendingDialogs {
public:
    void add(const std::shared_ptr<Dialog>& dialog) { pending_.push_back(dialog); }

    void remove(const Dialog& dialog) {
        std::erase_if(pending_, [&dialog](const std::weak_ptr<Dialog>& pending) {
            const auto shown = pending.lock();
            return !shown || shown.get() == &dialog;
        });
    }

    // Cancels those of the window; one that a completion begins meanwhile stays.
    void cancelOfWindow(const Window& window) {
        std::vector<std::shared_ptr<Dialog>> ofWindow;
        for (const auto& pending : pending_)
            if (auto shown = pending.lock(); shown && shown->belongsTo(window))
                ofWindow.push_back(std::move(shown));
        for (const auto& shown : ofWindow)
            shown->cancel();
    }

private:
    std::vector<std::weak_ptr<Dialog>> pending_;
};

} // namespace platform

#pragma once

#include "platform/ui/ModalResponse.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

class Window;

// The sheets of one window: the one attached and those begun after it, in order.
class SheetQueue {
public:
    using Handler = std::function<void(ModalResponse returnCode)>;

    struct Entry {
        std::shared_ptr<Window> sheet;
        Handler handler;
    };

    [[nodiscard]] std::shared_ptr<Window> attached() const;
    [[nodiscard]] bool isEmpty() const { return !attached_ && waiting_.empty(); }
    [[nodiscard]] bool isWaiting(const Window& sheet) const;

    void attach(Entry entry) { attached_ = std::move(entry); }
    void wait(Entry entry) { waiting_.push_back(std::move(entry)); }

    // None when the sheet is not attached, respectively not waiting.
    [[nodiscard]] std::optional<Entry> detach(const Window& sheet);
    [[nodiscard]] std::optional<Entry> removeWaiting(const Window& sheet);
    [[nodiscard]] std::optional<Entry> nextWaiting();

private:
    std::optional<Entry> attached_;
    std::deque<Entry> waiting_;
};

} // namespace platform

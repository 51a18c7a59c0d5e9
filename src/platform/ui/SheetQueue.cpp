#include "platform/ui/SheetQueue.h"

#include <algorithm>

namespace platform {

std::shared_ptr<Window> SheetQueue::attached() const {
    return attached_ ? attached_->sheet : nullptr;
}

bool SheetQueue::isWaiting(const Window& sheet) const {
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [&](const Entry& entry) { return entry.sheet.get() == &sheet; });
}

std::optional<SheetQueue::Entry> SheetQueue::detach(const Window& sheet) {
    if (!attached_ || attached_->sheet.get() != &sheet)
        return std::nullopt;
    auto entry = std::move(attached_);
    attached_.reset();
    return entry;
}

std::optional<SheetQueue::Entry> SheetQueue::removeWaiting(const Window& sheet) {
    const auto found = std::find_if(waiting_.begin(), waiting_.end(), [&](const Entry& entry) {
        return entry.sheet.get() == &sheet;
    });
    if (found == waiting_.end())
        return std::nullopt;
    Entry entry = std::move(*found);
    waiting_.erase(found);
    return entry;
}

std::optional<SheetQueue::Entry> SheetQueue::nextWaiting() {
    if (waiting_.empty())
        return std::nullopt;
    Entry entry = std::move(waiting_.front());
    waiting_.pop_front();
    return entry;
}

} // namespace platform

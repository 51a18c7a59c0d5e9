#include "platform/ui/TextUndo.h"

#include <utility>

namespace platform {

void TextUndo::record(Range range, AttributedString replaced, std::size_t insertedLength,
                      Edit kind) {
    if (coalesce(range, replaced, insertedLength, kind))
        return;
    auto step =
        std::make_shared<Step>(Step{{range.location, insertedLength}, std::move(replaced), kind});
    manager_.registerUndo([revert = revert_, step] { revert(*step); });
    const bool undoingOrRedoing = manager_.isUndoing() || manager_.isRedoing();
    last_ = undoingOrRedoing ? nullptr : step;
    lastStamp_ = manager_.changeStamp();
}

bool TextUndo::coalesce(Range range, AttributedString& replaced, std::size_t insertedLength,
                        Edit kind) {
    if (!last_ || last_->kind != kind || kind == Edit::Other ||
        manager_.changeStamp() != lastStamp_)
        return false;
    Range& done = last_->range;
    if (kind == Edit::Typing && range.length == 0 && range.location == done.end()) {
        done.length += insertedLength;
        return true;
    }
    if (kind == Edit::DeletingBackward && insertedLength == 0 && done.length == 0 &&
        range.end() == done.location) {
        replaced.replaceCharacters({replaced.length(), 0}, last_->replaced);
        last_->replaced = std::move(replaced);
        done.location = range.location;
        return true;
    }
    return false;
}

void TextUndo::clear() {
    manager_.removeAllActions();
    last_.reset();
}

} // namespace platform

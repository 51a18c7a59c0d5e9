#include "platform/text/RTFFontTable.h"

#include "platform/text/RTFCodePage.h"

namespace platform {

void RTFFontTable::beginEntry(std::int64_t number) {
    commit();
    number_ = number;
    open_ = true;
}

void RTFFontTable::setCharset(std::int64_t charset) {
    if (open_ && !pending_.encoding)
        pending_.encoding = RTFCodePage::forCharset(charset);
}

void RTFFontTable::setCodePage(std::int64_t codePage) {
    const auto encoding = RTFCodePage::forCodePage(codePage);
    if (open_ && encoding)
        pending_.encoding = encoding;
}

void RTFFontTable::addNameCharacter(char16_t character) {
    if (open_ && pending_.family.size() < maxNameLength)
        pending_.family.push_back(character);
}

void RTFFontTable::commit() {
    if (open_ && !pending_.family.empty() &&
        (entries_.size() < maxEntries || entries_.contains(number_)))
        entries_[number_] = std::move(pending_);
    pending_ = {};
    open_ = false;
}

const RTFFontTable::Entry* RTFFontTable::find(std::int64_t number) const {
    const auto found = entries_.find(number);
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace platform

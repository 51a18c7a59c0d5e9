#include "platform/text/RTFColorTable.h"

#include <algorithm>

namespace platform {

void RTFColorTable::setRed(std::int64_t value) {
    pending_.red = component(value);
    hasPending_ = true;
}

void RTFColorTable::setGreen(std::int64_t value) {
    pending_.green = component(value);
    hasPending_ = true;
}

void RTFColorTable::setBlue(std::int64_t value) {
    pending_.blue = component(value);
    hasPending_ = true;
}

void RTFColorTable::commit() {
    if (entries_.size() < maxEntries)
        entries_.push_back(hasPending_ ? std::optional<Color>(pending_) : std::nullopt);
    pending_ = {};
    hasPending_ = false;
}

std::optional<Color> RTFColorTable::at(std::int64_t index) const {
    if (index < 0 || static_cast<std::uint64_t>(index) >= entries_.size())
        return std::nullopt;
    return entries_[static_cast<std::size_t>(index)];
}

std::uint8_t RTFColorTable::component(std::int64_t value) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

} // namespace platform

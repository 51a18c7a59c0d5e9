#include "platform/text/GapBuffer.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

void copyUnits(char16_t* to, const char16_t* from, std::size_t count) {
    if (count > 0)
        std::memmove(to, from, count * sizeof(char16_t));
}

// Compares two texts each held in two pieces, without joining them.
bool equalPieces(const GapBuffer::Pieces& left, const GapBuffer::Pieces& right) {
    std::u16string_view a[] = {left.first, left.second};
    std::u16string_view b[] = {right.first, right.second};
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < 2 && j < 2) {
        if (a[i].empty()) {
            ++i;
            continue;
        }
        if (b[j].empty()) {
            ++j;
            continue;
        }
        const std::size_t count = std::min(a[i].size(), b[j].size());
        if (a[i].substr(0, count) != b[j].substr(0, count))
            return false;
        a[i].remove_prefix(count);
        b[j].remove_prefix(count);
    }
    return true; // the callers compare equal sizes, so both ran out together
}

} // namespace

GapBuffer::GapBuffer(std::u16string_view text) {
    append(text);
}

GapBuffer::GapBuffer(const GapBuffer& other) {
    const Pieces all = other.pieces(0, other.size());
    reserve(other.size());
    append(all.first);
    append(all.second);
}

GapBuffer& GapBuffer::operator=(const GapBuffer& other) {
    if (this != &other)
        *this = GapBuffer(other);
    return *this;
}

char16_t GapBuffer::at(std::size_t index) const {
    return index < gapStart_ ? units_[index] : units_[index + gapLength()];
}

void GapBuffer::replace(std::size_t position, std::size_t length, std::u16string_view text) {
    moveGap(position);
    gapEnd_ += length;
    growGap(text.size());
    copyUnits(units_.get() + gapStart_, text.data(), text.size());
    gapStart_ += text.size();
}

void GapBuffer::reserve(std::size_t capacity) {
    if (capacity > size())
        growGap(capacity - size());
}

GapBuffer::Pieces GapBuffer::pieces(std::size_t position, std::size_t length) const {
    const std::size_t end = position + length;
    const char16_t* units = units_.get();
    if (end <= gapStart_)
        return {{units + position, length}, {}};
    if (position >= gapStart_)
        return {{units + position + gapLength(), length}, {}};
    return {{units + position, gapStart_ - position}, {units + gapEnd_, end - gapStart_}};
}

String GapBuffer::copy(std::size_t position, std::size_t length) const {
    const Pieces text = pieces(position, length);
    String result;
    result.reserve(length);
    result.append(text.first);
    result.append(text.second);
    return result;
}

bool GapBuffer::operator==(const GapBuffer& other) const {
    return size() == other.size() && equalPieces(pieces(0, size()), other.pieces(0, size()));
}

void GapBuffer::moveGap(std::size_t position) {
    char16_t* units = units_.get();
    if (position < gapStart_) {
        const std::size_t count = gapStart_ - position;
        copyUnits(units + gapEnd_ - count, units + position, count);
        gapStart_ = position;
        gapEnd_ -= count;
    } else if (position > gapStart_) {
        const std::size_t count = position - gapStart_;
        copyUnits(units + gapStart_, units + gapEnd_, count);
        gapStart_ = position;
        gapEnd_ += count;
    }
}

void GapBuffer::growGap(std::size_t needed) {
    if (gapLength() >= needed)
        return;
    const std::size_t used = size();
    reallocate(std::max(used + needed, used + used / 2 + 16));
}

void GapBuffer::shrinkToFit() {
    if (gapLength() > size() / 4 + 4096)
        reallocate(size() + 16);
}

void GapBuffer::reallocate(std::size_t capacity) {
    auto units = std::make_unique_for_overwrite<char16_t[]>(capacity);
    const std::size_t after = capacity_ - gapEnd_;
    copyUnits(units.get(), units_.get(), gapStart_);
    copyUnits(units.get() + capacity - after, units_.get() + gapEnd_, after);
    units_ = std::move(units);
    gapEnd_ = capacity - after;
    capacity_ = capacity;
}

} // namespace platform

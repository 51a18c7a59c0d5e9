#include "platform/text/AttributedString.h"

#include <algorithm>

namespace platform {
namespace {

const AttributedString::SharedAttributes& emptyAttributes() {
    static const AttributedString::SharedAttributes empty =
        std::make_shared<const TextAttributes>();
    return empty;
}

bool sameAttributes(const AttributedString::SharedAttributes& left,
                    const AttributedString::SharedAttributes& right) {
    return left == right || *left == *right;
}

} // namespace

AttributedString::AttributedString(std::u16string_view text, const TextAttributes& attributes) {
    append(text, std::make_shared<const TextAttributes>(attributes));
}

String AttributedString::substring(Range range) const {
    range = clip(range);
    return text_.copy(range.location, range.length);
}

GapBuffer::Pieces AttributedString::characters(Range range) const {
    range = clip(range);
    return text_.pieces(range.location, range.length);
}

const TextAttributes& AttributedString::attributesAt(std::size_t index) const {
    Range ignored;
    return attributesAt(index, ignored);
}

const TextAttributes& AttributedString::attributesAt(std::size_t index,
                                                     Range& effectiveRange) const {
    const std::size_t run = runIndexAt(index);
    if (run == runs_.size()) {
        effectiveRange = {length(), 0};
        return *emptyAttributes();
    }
    effectiveRange = runRange(run);
    return *runs_[run].attributes;
}

Range AttributedString::runRange(std::size_t run) const {
    const std::size_t end = run + 1 < runs_.size() ? runs_[run + 1].start : length();
    return {runs_[run].start, end - runs_[run].start};
}

std::size_t AttributedString::runIndexAt(std::size_t index) const {
    if (index >= length())
        return runs_.size();
    const auto after =
        std::upper_bound(runs_.begin(), runs_.end(), index,
                         [](std::size_t at, const Run& run) { return at < run.start; });
    return static_cast<std::size_t>(after - runs_.begin()) - 1;
}

void AttributedString::setAttributes(const TextAttributes& attributes, Range range) {
    range = clip(range);
    if (range.length == 0)
        return;
    spliceRuns(range, range.length, {{0, std::make_shared<const TextAttributes>(attributes)}});
}

void AttributedString::replaceCharacters(Range range, std::u16string_view text) {
    range = clip(range);
    std::vector<Run> inserted;
    if (!text.empty())
        inserted.push_back({0, inheritedAttributes(range)});
    spliceRuns(range, text.size(), std::move(inserted));
    text_.replace(range.location, range.length, text);
}

void AttributedString::replaceCharacters(Range range, const AttributedString& text) {
    if (&text == this) {
        // A copy: the replacement changes the very string it would read.
        const AttributedString copy = text; // NOLINT(performance-unnecessary-copy-initialization)
        replaceCharacters(range, copy);
        return;
    }
    range = clip(range);
    spliceRuns(range, text.length(), text.runs_);
    const GapBuffer::Pieces pieces = text.characters({0, text.length()});
    text_.replace(range.location, range.length, pieces.first);
    text_.replace(range.location + pieces.first.size(), 0, pieces.second);
}

AttributedString AttributedString::attributedSubstring(Range range) const {
    range = clip(range);
    AttributedString result;
    if (range.length == 0)
        return result;
    const GapBuffer::Pieces pieces = text_.pieces(range.location, range.length);
    result.text_.reserve(range.length);
    result.text_.append(pieces.first);
    result.text_.append(pieces.second);
    for (std::size_t run = runIndexAt(range.location);
         run < runs_.size() && runs_[run].start < range.end(); ++run)
        result.runs_.push_back(
            {std::max(runs_[run].start, range.location) - range.location, runs_[run].attributes});
    return result;
}

void AttributedString::append(std::u16string_view text, const SharedAttributes& attributes) {
    if (text.empty())
        return;
    const SharedAttributes& shared = attributes ? attributes : emptyAttributes();
    if (runs_.empty() || !sameAttributes(runs_.back().attributes, shared))
        runs_.push_back({length(), shared});
    text_.append(text);
}

bool AttributedString::operator==(const AttributedString& other) const {
    if (runs_.size() != other.runs_.size() || !(text_ == other.text_))
        return false;
    return std::equal(
        runs_.begin(), runs_.end(), other.runs_.begin(), [](const Run& left, const Run& right) {
            return left.start == right.start && sameAttributes(left.attributes, right.attributes);
        });
}

Range AttributedString::clip(Range range) const {
    const std::size_t location = std::min(range.location, length());
    return {location, std::min(range.length, length() - location)};
}

const AttributedString::SharedAttributes&
AttributedString::inheritedAttributes(Range replaced) const {
    if (replaced.length > 0)
        return runs_[runIndexAt(replaced.location)].attributes;
    if (replaced.location > 0)
        return runs_[runIndexAt(replaced.location - 1)].attributes;
    return runs_.empty() ? emptyAttributes() : runs_.front().attributes;
}

// Replaces the runs of `replaced` (in the text as it is before the edit) by `inserted`,
// whose starts are relative to the insertion and which cover insertedLength units.
void AttributedString::spliceRuns(Range replaced, std::size_t insertedLength,
                                  std::vector<Run> inserted) {
    const std::size_t oldLength = length();
    const std::size_t first = runIndexAt(replaced.location);
    const std::size_t eraseBegin =
        first < runs_.size() && runs_[first].start < replaced.location ? first + 1 : first;
    std::size_t eraseEnd = runs_.size();

    for (Run& run : inserted)
        run.start += replaced.location;
    if (replaced.end() < oldLength) {
        const std::size_t last = runIndexAt(replaced.end());
        inserted.push_back({replaced.location + insertedLength, runs_[last].attributes});
        eraseEnd = last + 1;
    }

    const std::size_t insertedCount = inserted.size();
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(eraseBegin),
                runs_.begin() + static_cast<std::ptrdiff_t>(eraseEnd));
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(eraseBegin),
                 std::make_move_iterator(inserted.begin()),
                 std::make_move_iterator(inserted.end()));
    for (std::size_t run = eraseBegin + insertedCount; run < runs_.size(); ++run)
        runs_[run].start = runs_[run].start + insertedLength - replaced.length;
    mergeRuns(eraseBegin, eraseBegin + insertedCount);
}

// Joins equal neighbours at the seams of an edit that placed runs [from, to).
void AttributedString::mergeRuns(std::size_t from, std::size_t to) {
    const std::size_t low = std::max<std::size_t>(from, 1);
    const std::size_t high = std::min(to + 1, runs_.size());
    for (std::size_t run = high; run-- > low;)
        if (sameAttributes(runs_[run].attributes, runs_[run - 1].attributes))
            runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(run));
}

} // namespace platform

#include "platform/ui/TextStorage.h"

#include <algorithm>

namespace platform {

Range TextStorage::clip(Range range) const {
    const std::size_t location = std::min(range.location, text_.length());
    return {location, std::min(range.length, text_.length() - location)};
}

void TextStorage::setAttributes(const TextAttributes& attributes, Range range) {
    const Range clipped = clip(range);
    if (clipped.length == 0)
        return;
    text_.setAttributes(attributes, clipped);
    edits_.tell({clipped, clipped.length, true});
}

void TextStorage::replaceCharactersInRange(Range range, const String& string) {
    const Range clipped = clip(range);
    if (clipped.length == 0 && string.empty())
        return;
    text_.replaceCharacters(clipped, string);
    edits_.tell({clipped, string.size(), false});
}

void TextStorage::replaceCharactersInRange(Range range, const AttributedString& string) {
    const Range clipped = clip(range);
    if (clipped.length == 0 && string.length() == 0)
        return;
    text_.replaceCharacters(clipped, string);
    edits_.tell({clipped, string.length(), false});
}

void TextStorage::setAttributedString(AttributedString string) {
    const Range replaced{0, text_.length()};
    text_ = std::move(string);
    edits_.tell({replaced, text_.length(), false});
}

} // namespace platform

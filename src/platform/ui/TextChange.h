#pragma once

#include "platform/text/Range.h"

#include <cstddef>

namespace platform {

// One edit of a text storage: the characters of `range` (in the text before the edit)
// were replaced by `replacementLength` characters, which a renderer reads back from the
// storage. A change of attributes alone keeps the characters and their count.
struct TextChange {
    Range range;
    std::size_t replacementLength = 0;
    bool attributesOnly = false;

    bool operator==(const TextChange&) const = default;
};

} // namespace platform

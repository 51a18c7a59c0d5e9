#pragma once

#include "platform/text/Range.h"

#include <string_view>
#include <vector>

namespace platform {

// The words of a text as the spell checker takes them. A word is a run of letters and
// digits (Unicode's, as the C.UTF-8 locale classes them); an apostrophe (' or U+2019)
// belongs to the word when a letter or digit stands on both sides of it ("don't"), and
// anything else, hyphens included, separates words.
//
// Not checked, as most checkers skip them by default: words with a digit ("mp3", "2nd")
// and words of two or more letters all in capitals ("NASA", "HTTP"), which are mostly
// abbreviations that no dictionary holds.
class SpellingWords {
public:
    // In UTF-16 offsets; a lone surrogate separates words.
    [[nodiscard]] static std::vector<Range> wordsIn(std::u16string_view text);
    [[nodiscard]] static bool isChecked(std::u16string_view word);
};

} // namespace platform

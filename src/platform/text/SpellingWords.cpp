#include "platform/text/SpellingWords.h"

#include <locale>
#include <stdexcept>

namespace platform {
namespace {

constexpr char32_t noCharacter = 0xFFFFFFFF;

// Unicode's letters and digits as the C library classes them; without the C.UTF-8
// locale, ASCII's.
const std::ctype<wchar_t>& characterClasses() {
    static const std::locale locale = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return std::use_facet<std::ctype<wchar_t>>(locale);
}

bool isHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character at `at` and its length in UTF-16 units; a lone surrogate is none.
char32_t characterAt(std::u16string_view text, std::size_t at, std::size_t& length) {
    length = 1;
    const char16_t unit = text[at];
    if (isHigh(unit) && at + 1 < text.size() && isLow(text[at + 1])) {
        length = 2;
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
               (static_cast<char32_t>(text[at + 1]) - 0xDC00);
    }
    if (isHigh(unit) || isLow(unit))
        return noCharacter;
    return unit;
}

bool is(std::ctype_base::mask mask, char32_t character) {
    return character != noCharacter && characterClasses().is(mask, static_cast<wchar_t>(character));
}

bool isWordCharacter(char32_t character) {
    return is(std::ctype_base::alnum, character);
}

bool isApostrophe(char32_t character) {
    return character == u'\'' || character == u'\u2019';
}

// The end of the word that starts at `at`.
std::size_t wordEnd(std::u16string_view text, std::size_t at) {
    std::size_t length = 0;
    while (at < text.size()) {
        const char32_t character = characterAt(text, at, length);
        if (isWordCharacter(character)) {
            at += length;
            continue;
        }
        std::size_t nextLength = 0;
        if (!isApostrophe(character) || at + 1 >= text.size() ||
            !isWordCharacter(characterAt(text, at + 1, nextLength)))
            break;
        at += 1 + nextLength;
    }
    return at;
}

} // namespace

std::vector<Range> SpellingWords::wordsIn(std::u16string_view text) {
    std::vector<Range> words;
    std::size_t at = 0;
    std::size_t length = 0;
    while (at < text.size()) {
        if (!isWordCharacter(characterAt(text, at, length))) {
            at += length;
            continue;
        }
        const std::size_t end = wordEnd(text, at);
        words.push_back({at, end - at});
        at = end;
    }
    return words;
}

bool SpellingWords::isChecked(std::u16string_view word) {
    std::size_t letters = 0;
    bool lowerCase = false;
    std::size_t length = 0;
    for (std::size_t at = 0; at < word.size(); at += length) {
        const char32_t character = characterAt(word, at, length);
        if (is(std::ctype_base::digit, character))
            return false;
        if (is(std::ctype_base::alpha, character)) {
            ++letters;
            lowerCase = lowerCase || !is(std::ctype_base::upper, character);
        }
    }
    return lowerCase || letters < 2;
}

} // namespace platform

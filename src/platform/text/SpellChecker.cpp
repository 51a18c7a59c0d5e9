#include "platform/text/SpellChecker.h"

#include "platform/base/Number.h"
#include "platform/text/CharsetConverter.h"
#include "platform/text/SpellingWords.h"
#include "platform/text/TextEnvironment.h"

#include <algorithm>
#include <fstream>
#include <hunspell.hxx>

namespace platform {
namespace {

constexpr char16_t typographicApostrophe = u'\u2019';

// Hunspell's names of two sets that iconv names otherwise.
std::string iconvName(const std::string& encoding) {
    if (encoding == "microsoft-cp1251")
        return "CP1251";
    if (encoding == "TIS620-2533")
        return "TIS-620";
    return encoding;
}

// Dictionaries spell with the typewriter apostrophe.
String withPlainApostrophes(std::u16string_view word) {
    String plain(word);
    std::replace(plain.begin(), plain.end(), typographicApostrophe, u'\'');
    return plain;
}

// Hunspell takes files it cannot open for empty ones, which would find every word wrong.
bool isReadable(const SpellDictionary& dictionary) {
    return std::ifstream(dictionary.affixPath).is_open() &&
           std::ifstream(dictionary.wordsPath).is_open();
}

} // namespace

struct SpellChecker::Engine {
    std::unique_ptr<Hunspell> hunspell;
    std::unique_ptr<CharsetConverter> converter;

    [[nodiscard]] std::optional<std::string> encode(std::u16string_view word) const {
        return converter->encode(withPlainApostrophes(word));
    }
};

std::shared_ptr<SpellChecker> SpellChecker::sharedSpellChecker() {
    return TextEnvironment::current().spellChecker.get();
}

void SpellChecker::setSharedSpellChecker(std::shared_ptr<SpellChecker> checker) {
    TextEnvironment::current().spellChecker.set(std::move(checker));
}

SpellChecker::SpellChecker() : SpellChecker(std::nullopt) {
    findDictionary_ = true;
}

SpellChecker::SpellChecker(std::optional<SpellDictionary> dictionary)
    : dictionary_(std::move(dictionary)) {}

SpellChecker::~SpellChecker() = default;

// Reading a dictionary takes a while; a program that never checks skips it.
SpellChecker::Engine* SpellChecker::engine() const {
    if (loaded_)
        return engine_.get();
    loaded_ = true;
    if (findDictionary_)
        dictionary_ = SpellDictionary::forUser();
    if (!dictionary_ || !isReadable(*dictionary_))
        return nullptr;
    auto hunspell =
        std::make_unique<Hunspell>(dictionary_->affixPath.c_str(), dictionary_->wordsPath.c_str());
    auto converter = CharsetConverter::forCharset(iconvName(hunspell->get_dict_encoding()));
    if (converter)
        engine_ = std::make_unique<Engine>(Engine{std::move(hunspell), std::move(converter)});
    return engine_.get();
}

bool SpellChecker::isAvailable() const {
    return engine() != nullptr;
}

bool SpellChecker::isMisspelled(std::u16string_view word) const {
    Engine* checker = engine();
    if (checker == nullptr || word.empty())
        return false;
    const auto encoded = checker->encode(word);
    return encoded && !checker->hunspell->spell(*encoded);
}

std::vector<String> SpellChecker::suggestions(std::u16string_view word) const {
    std::vector<String> guesses;
    Engine* checker = engine();
    const auto encoded = checker ? checker->encode(word) : std::nullopt;
    if (!encoded)
        return guesses;
    const bool typographic = word.find(typographicApostrophe) != std::u16string_view::npos;
    for (const auto& guess : checker->hunspell->suggest(*encoded)) {
        auto decoded = checker->converter->decode(guess);
        if (!decoded)
            continue;
        if (typographic)
            std::replace(decoded->begin(), decoded->end(), u'\'', typographicApostrophe);
        guesses.push_back(std::move(*decoded));
    }
    return guesses;
}

void SpellChecker::ignoreWord(std::u16string_view word) {
    Engine* checker = engine();
    const auto encoded = checker ? checker->encode(word) : std::nullopt;
    if (!encoded || checker->hunspell->spell(*encoded))
        return;
    // Hunspell's run-time word list lives in memory only.
    checker->hunspell->add(*encoded);
    ignoredWords_.set(ignoredWords_.get() + 1);
}

std::vector<Range> SpellChecker::misspelledWords(std::u16string_view text) const {
    std::vector<Range> misspelled;
    if (engine() == nullptr)
        return misspelled;
    for (const Range word : SpellingWords::wordsIn(text)) {
        const auto characters = text.substr(word.location, word.length);
        if (SpellingWords::isChecked(characters) && isMisspelled(characters))
            misspelled.push_back(word);
    }
    return misspelled;
}

} // namespace platform

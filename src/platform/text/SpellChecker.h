#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/base/String.h"
#include "platform/text/Range.h"
#include "platform/text/SpellDictionary.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

// Spelling through hunspell, with one dictionary. Words go to it in its own encoding; a
// word without a form there is taken as spelled right. Without a dictionary the checker
// is unavailable and finds no word misspelled. SpellingWords tells what a word is.
//
// Ignored words count as spelled right for the checker's life only: no personal word list
// is ever written, since it would put words of the encrypted bodies on disk in plain.
// Observers of "ignoredWords" (the number of words ignored) hear of each one.
//
// Make checkers with std::make_shared and use them from the main thread.
class SpellChecker : public Object {
public:
    // The environment's checker (TextEnvironment), made when first asked: the user's
    // dictionary.
    [[nodiscard]] static std::shared_ptr<SpellChecker> sharedSpellChecker();
    // None brings a new default back.
    static void setSharedSpellChecker(std::shared_ptr<SpellChecker> checker);

    // The user's dictionary (SpellDictionary::forUser), found and read when first needed.
    SpellChecker();
    // That dictionary; none for none.
    explicit SpellChecker(std::optional<SpellDictionary> dictionary);
    ~SpellChecker() override;

    // Whether the dictionary could be read.
    [[nodiscard]] bool isAvailable() const;

    [[nodiscard]] bool isMisspelled(std::u16string_view word) const;
    // The dictionary's guesses, best first.
    [[nodiscard]] std::vector<String> suggestions(std::u16string_view word) const;
    void ignoreWord(std::u16string_view word);
    [[nodiscard]] const Property<std::uint64_t>& ignoredWordsProperty() const {
        return ignoredWords_;
    }

    // The words of the text that are checked and misspelled, in order.
    [[nodiscard]] std::vector<Range> misspelledWords(std::u16string_view text) const;

private:
    struct Engine;
    [[nodiscard]] Engine* engine() const;

    mutable std::optional<SpellDictionary> dictionary_;
    mutable bool findDictionary_ = false;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<Engine> engine_;
    Property<std::uint64_t> ignoredWords_{*this, u"ignoredWords", 0};
};

} // namespace platform

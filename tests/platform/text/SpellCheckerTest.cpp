#include "platform/text/SpellChecker.h"

#include "platform/text/SpellingWords.h"
#include "platform/text/TextEnvironment.h"

#include <gtest/gtest.h>
#include <ostream>

namespace platform {
inline void PrintTo(const Range& range, std::ostream* out) {
    *out << "{" << range.location << ", " << range.length << "}";
}
} // namespace platform

using platform::Range;
using platform::SpellChecker;
using platform::SpellDictionary;
using platform::String;

namespace {

SpellDictionary fixture(const std::string& name) {
    const std::string folder = std::string(SEALSCRIBE_TEST_DATA) + "/spelling/";
    return {folder + name + ".aff", folder + name + ".dic"};
}

bool contains(const std::vector<String>& list, const String& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The checker over tiny.dic: hello, world, don't, café, naïve, the, a, Berlin, rock'n'roll.
class SpellCheckerTest : public testing::Test {
protected:
    std::shared_ptr<SpellChecker> checker = std::make_shared<SpellChecker>(fixture("tiny"));
};

TEST_F(SpellCheckerTest, FindsTheMisspelledWordsInUtf16Offsets) {
    struct Case {
        const char16_t* text;
        std::vector<Range> misspelled;
    };
    const Case cases[] = {
        {u"Helo wrld", {{0, 4}, {5, 4}}},
        {u"Hello world. HELLO, the World!", {}},
        {u"caf\u00e9 naive", {{5, 5}}},          // the dictionary spells it naïve
        {u"\U0001D518x wrld", {{0, 3}, {4, 4}}}, // a letter beyond the BMP is two units
        {u"don't dont don\u2019t", {{6, 4}}},    // either apostrophe, inside the word
        {u"'hello' wrld's", {{8, 6}}},           // quotes are no part of the word
        {u"rock'n'roll hello-wrld", {{18, 4}}},  // a hyphen separates words
        {u"berlin Berlin", {{0, 6}}},            // a name keeps its capital
        {u"mp3 2nd WRLD NASA wrld", {{18, 4}}},  // no words with digits, no capitals
        {u"\xd800wrld", {{1, 4}}},               // a lone surrogate separates words
        {u"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checker->misspelledWords(c.text), c.misspelled) << platform::toUtf8Lossy(c.text);
}

TEST_F(SpellCheckerTest, GuessesInTheWordsCaseAndApostrophe) {
    EXPECT_TRUE(contains(checker->suggestions(u"Helo"), u"Hello"));
    EXPECT_TRUE(contains(checker->suggestions(u"wrld"), u"world"));
    EXPECT_TRUE(contains(checker->suggestions(u"dont"), u"don't"));
    // A word typed with the typographic apostrophe gets its guesses with it.
    EXPECT_TRUE(contains(checker->suggestions(u"don\u2019tt"), u"don\u2019t"));
}

TEST_F(SpellCheckerTest, IgnoresAWordForItsLifeAndTellsObservers) {
    int told = 0;
    const auto observation =
        checker->addObserver(u"ignoredWords", [&](const platform::Value&) { ++told; });
    checker->ignoreWord(u"wrld");
    EXPECT_FALSE(checker->isMisspelled(u"wrld"));
    EXPECT_EQ(checker->misspelledWords(u"Helo wrld"), (std::vector<Range>{{0, 4}}));
    EXPECT_EQ(told, 1);
    // A word spelled right already changes nothing.
    checker->ignoreWord(u"hello");
    EXPECT_EQ(told, 1);
    // Another checker of the same dictionary knows nothing of it.
    EXPECT_TRUE(SpellChecker(fixture("tiny")).isMisspelled(u"wrld"));
}

TEST(SpellChecker, SpeaksTheDictionarysOwnEncoding) {
    const SpellChecker latin1(fixture("latin1"));
    ASSERT_TRUE(latin1.isAvailable());
    EXPECT_FALSE(latin1.isMisspelled(u"caf\u00e9"));
    EXPECT_FALSE(latin1.isMisspelled(u"na\u00efve"));
    EXPECT_TRUE(latin1.isMisspelled(u"cafe"));
    EXPECT_TRUE(contains(latin1.suggestions(u"cafe"), u"caf\u00e9"));
    // No form in ISO 8859-1: not the checker's to judge.
    EXPECT_FALSE(latin1.isMisspelled(u"\u0436\u0443\u043a"));
    EXPECT_EQ(latin1.misspelledWords(u"\u0436\u0443\u043a wrld"), (std::vector<Range>{{4, 4}}));
}

TEST(SpellChecker, WithoutADictionaryFindsNothingWrong) {
    const SpellChecker none(std::nullopt);
    const SpellChecker missing(SpellDictionary{"/nonexistent/xx.aff", "/nonexistent/xx.dic"});
    for (const SpellChecker* checker : {&none, &missing}) {
        EXPECT_FALSE(checker->isAvailable());
        EXPECT_FALSE(checker->isMisspelled(u"wrld"));
        EXPECT_TRUE(checker->misspelledWords(u"Helo wrld").empty());
        EXPECT_TRUE(checker->suggestions(u"wrld").empty());
    }
}

TEST(SpellChecker, SharesOneCheckerThatTestsMayReplace) {
    platform::TextEnvironment environment;
    const auto own = std::make_shared<SpellChecker>(fixture("tiny"));
    SpellChecker::setSharedSpellChecker(own);
    EXPECT_EQ(SpellChecker::sharedSpellChecker(), own);
    SpellChecker::setSharedSpellChecker(nullptr);
    const auto fresh = SpellChecker::sharedSpellChecker();
    EXPECT_NE(fresh, nullptr);
    EXPECT_NE(fresh, own);
    EXPECT_EQ(SpellChecker::sharedSpellChecker(), fresh);
}

} // namespace

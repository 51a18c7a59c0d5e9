#include "platform/text/SpellDictionary.h"

#include "platform/text/SpellChecker.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

using platform::SpellChecker;
using platform::SpellDictionary;

namespace {

void makeDictionary(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / (name + ".aff")) << "SET UTF-8\n";
    std::ofstream(folder / (name + ".dic")) << "1\nword\n";
}

// The stem of the dictionary found, with its folder's last part: "first/de_DE".
std::string found(std::string_view locale, const std::vector<std::string>& folders) {
    const auto dictionary = SpellDictionary::find(locale, folders);
    if (!dictionary)
        return "none";
    const std::filesystem::path path = dictionary->wordsPath;
    EXPECT_EQ(dictionary->affixPath, (path.parent_path() / (path.stem().string() + ".aff")));
    return (path.parent_path().filename() / path.stem()).string();
}

TEST(SpellDictionary, FindsTheLocalesLanguageElseEnglish) {
    const testsupport::ScratchFolder scratch;
    const std::vector<std::string> folders = {scratch / "first", scratch / "second"};
    for (const char* name : {"de_DE", "de_CH", "fr", "en_US"})
        makeDictionary(scratch / "first", name);
    for (const char* name : {"pt_BR", "fr_FR"})
        makeDictionary(scratch / "second", name);
    std::ofstream(scratch / "first" / "it_IT.dic") << "1\nparola\n"; // no .aff beside it

    struct Case {
        const char* locale;
        const char* dictionary;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "first/de_DE"},
        {"de_CH.UTF-8@euro", "first/de_CH"},
        {"de_AT.UTF-8", "first/de_CH"}, // another region of the language, first by name
        {"de", "first/de_CH"},
        {"fr_CA.UTF-8", "first/fr"},     // the language alone before another region
        {"fr_FR.UTF-8", "second/fr_FR"}, // the region in a later folder before the language
        {"pt_BR", "second/pt_BR"},
        {"it_IT.UTF-8", "first/en_US"},
        {"C.UTF-8", "first/en_US"},
        {"POSIX", "first/en_US"},
        {"", "first/en_US"},
        {"../first/de_DE", "first/en_US"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(found(c.locale, folders), c.dictionary) << c.locale;
    EXPECT_EQ(found("xx_YY", {scratch / "second"}), "none");
}

// Restores an environment variable at the end of the test.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name))
            value_ = value;
    }
    ~SavedVariable() {
        if (value_)
            setenv(name_, value_->c_str(), 1);
        else
            unsetenv(name_);
    }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> value_;
};

TEST(SpellDictionary, TakesTheLocaleFromLcAllThenLcMessagesThenLang) {
    const SavedVariable all("LC_ALL"), messages("LC_MESSAGES"), lang("LANG");
    struct Case {
        const char* all;
        const char* messages;
        const char* lang;
        const char* locale;
    };
    const Case cases[] = {
        {"fr_FR.UTF-8", "de_DE.UTF-8", "pt_BR.UTF-8", "fr_FR.UTF-8"},
        {"", "de_DE.UTF-8", "pt_BR.UTF-8", "de_DE.UTF-8"},
        {nullptr, nullptr, "pt_BR.UTF-8", "pt_BR.UTF-8"},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        for (const auto& [name, value] :
             {std::pair{"LC_ALL", c.all}, {"LC_MESSAGES", c.messages}, {"LANG", c.lang}}) {
            if (value)
                setenv(name, value, 1);
            else
                unsetenv(name);
        }
        EXPECT_EQ(SpellDictionary::userLocale(), c.locale);
    }
}

// The set-up script installs hunspell-en-us.
TEST(SpellDictionary, FallsBackOnTheInstalledEnglishDictionary) {
    const auto dictionary = SpellDictionary::find("C", SpellDictionary::standardFolders());
    if (!dictionary)
        GTEST_SKIP() << "no en_US dictionary installed";
    const SpellChecker english(*dictionary);
    ASSERT_TRUE(english.isAvailable());
    EXPECT_TRUE(english.misspelledWords(u"The quick brown fox jumps over the lazy dog.").empty());
    EXPECT_EQ(english.misspelledWords(u"It\u2019s a quikc test"),
              (std::vector<platform::Range>{{7, 5}}));
    const auto guesses = english.suggestions(u"quikc");
    EXPECT_NE(std::find(guesses.begin(), guesses.end(), u"quick"), guesses.end());
}

} // namespace

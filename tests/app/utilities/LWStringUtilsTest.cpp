#include "app/utilities/LWStringUtils.h"

#include "platform/text/TextEnvironment.h"
#include "platform/text/TextMeasurer.h"

#include <gtest/gtest.h>
#include <limits>
#include <set>

using platform::Calendar;
using platform::CharacterSet;
using platform::Date;
using platform::String;
using platform::TextAttributes;

namespace {

std::string utf8(const String& text) {
    return platform::toUtf8Lossy(text);
}

// 2027-03-05 07:04:09 UTC.
constexpr double march5th2027 = 1804230249;

LWStringUtils::Sources fixedSources(double unixTime, std::int32_t secondsFromGMT = 0,
                                    std::int64_t drawn = 42) {
    return {[unixTime] { return Date::fromUnixTime(unixTime); },
            Calendar::calendarWithSecondsFromGMT(secondsFromGMT),
            [drawn](std::int64_t, std::int64_t) { return drawn; }};
}

class LWStringUtilsTime : public testing::Test {
protected:
    void SetUp() override { LWStringUtils::resetSerialForTesting(); }
    void TearDown() override { LWStringUtils::resetSerialForTesting(); }
};

TEST_F(LWStringUtilsTime, TimeStringIsThePresentMomentInTheCalendar) {
    const struct {
        double unixTime;
        std::int32_t secondsFromGMT;
        const char16_t* expected;
    } cases[] = {
        {march5th2027, 0, u"20270305070409"},
        {march5th2027 - 3600, 3600, u"20270305070409"},
        {march5th2027, -8 * 3600, u"20270304230409"},
        {-31020353755, 0, u"9870102030405"}, // the year without leading zeros
    };
    for (const auto& c : cases)
        EXPECT_EQ(LWStringUtils::uniqueTimeString(fixedSources(c.unixTime, c.secondsFromGMT)),
                  c.expected);
    EXPECT_EQ(LWStringUtils::uniqueTimeString().size(), 14u);
}

TEST_F(LWStringUtilsTime, RandStringEndsInTheDrawnNumberOfAtLeastFiveDigits) {
    EXPECT_EQ(LWStringUtils::uniqueTimeRandString(fixedSources(march5th2027, 0, 42)),
              u"2027030507040900042");
    EXPECT_EQ(LWStringUtils::uniqueTimeRandString(fixedSources(march5th2027, 0, 2147483648)),
              u"202703050704092147483648");
    auto sources = fixedSources(march5th2027);
    std::int64_t min = 0;
    std::int64_t max = 0;
    sources.randomIntInRange = [&](std::int64_t low, std::int64_t high) {
        min = low;
        max = high;
        return low;
    };
    EXPECT_EQ(LWStringUtils::uniqueTimeRandString(sources), u"2027030507040900001");
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, 32000000000000);
    const String drawn = LWStringUtils::uniqueTimeRandString();
    EXPECT_GE(drawn.size(), 14u + 5u);
    EXPECT_LE(drawn.size(), 14u + 10u);
    EXPECT_EQ(drawn.find_first_not_of(u"0123456789"), String::npos) << utf8(drawn);
}

TEST_F(LWStringUtilsTime, SerialCountsCallsWithinOneSecond) {
    const auto now = fixedSources(march5th2027);
    EXPECT_EQ(LWStringUtils::uniqueTimeSerialString(now), u"202703050704090");
    EXPECT_EQ(LWStringUtils::uniqueTimeSerialString(now), u"202703050704091");
    EXPECT_EQ(LWStringUtils::uniqueTimeSerialString(now), u"202703050704092");
    EXPECT_EQ(LWStringUtils::uniqueTimeSerialString(fixedSources(march5th2027 + 1)),
              u"202703050704100");
    EXPECT_EQ(LWStringUtils::uniqueTimeSerialString(now), u"202703050704090");
}

TEST_F(LWStringUtilsTime, SerialMemoryStartsWithTheEmptyString) {
    EXPECT_EQ(LWStringUtils::getNewSerialForTimeString(u""), u"1");
    EXPECT_EQ(LWStringUtils::getNewSerialForTimeString(u""), u"2");
    LWStringUtils::resetSerialForTesting();
    EXPECT_EQ(LWStringUtils::getNewSerialForTimeString(u"x"), u"0");
    EXPECT_EQ(LWStringUtils::getNewSerialForTimeString(u"x"), u"1");
    EXPECT_EQ(LWStringUtils::getNewSerialForTimeString(u"y"), u"0");
}

TEST(LWStringUtils, UUIDStringsAreNewAtEveryCall) {
    std::set<String> seen;
    for (int i = 0; i < 4; ++i)
        for (const String& uuid :
             {LWStringUtils::createUUIDString(), LWStringUtils::uniqueUUIDString()}) {
            ASSERT_EQ(uuid.size(), 36u);
            for (std::size_t at : {8u, 13u, 18u, 23u})
                EXPECT_EQ(uuid[at], u'-') << utf8(uuid);
            EXPECT_EQ(uuid.find_first_not_of(u"0123456789ABCDEF-"), String::npos) << utf8(uuid);
            EXPECT_TRUE(seen.insert(uuid).second) << utf8(uuid);
        }
}

TEST(LWStringUtils, AddLeading0) {
    const std::int64_t maximum = std::numeric_limits<std::int64_t>::max();
    const std::int64_t minimum = std::numeric_limits<std::int64_t>::min();
    const struct {
        const char16_t* text;
        std::int64_t totalLen;
        const char16_t* expected;
    } cases[] = {
        {u"7", 3, u"007"},
        {u"", 2, u"00"},
        {u"1234", 3, u"1234"},
        {u"123", 3, u"123"},
        {u"7", 0, u"7"},
        {u"7", -5, u"7"},
        {u"7", minimum, u"7"},
        {u"7", maximum, u"7"}, // no overflow, no exhausted memory
        {u"7", LWStringUtils::maximumPaddedLength + 1, u"7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LWStringUtils::addLeading0(c.text, c.totalLen), c.expected)
            << utf8(c.text) << " " << c.totalLen;
    const String longest = LWStringUtils::addLeading0(u"7", LWStringUtils::maximumPaddedLength);
    EXPECT_EQ(longest.size(), static_cast<std::size_t>(LWStringUtils::maximumPaddedLength));
    EXPECT_EQ(longest.substr(longest.size() - 2), u"07");
}

TEST(LWStringUtils, RemoveInitialSpaces) {
    const struct {
        const char16_t* text;
        std::optional<String> expected;
    } cases[] = {
        {u"\t abc ", u"abc "}, {u"   ", std::nullopt},
        {u"", std::nullopt},   {u"\u00A0\u2003\u3000x", u"x"}, // space separators
        {u"\nx", u"\nx"},                                      // a line break is not white space
        {u" \r\n", u"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LWStringUtils::removeInitialSpaces(c.text), c.expected) << utf8(c.text);
}

TEST(LWStringUtils, LateralTrimmingTakesOnlyItsOneCharacter) {
    const struct {
        const char16_t* text;
        const char16_t* withoutSpaces;
        const char16_t* withoutQuotes;
    } cases[] = {
        {u"  a b  ", u"a b", u"  a b  "},
        {u"\tab ", u"\tab", u"\tab "},
        {u"\"\"a\"b\"", u"\"\"a\"b\"", u"a\"b"},
        {u" \" ", u"\"", u" \" "},
        {u"   ", u"", u"   "},
        {u"\"", u"\"", u""},
        {u"", u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LWStringUtils::trimLateralSpace(c.text), c.withoutSpaces) << utf8(c.text);
        EXPECT_EQ(LWStringUtils::removeLateralSpace(c.text), c.withoutSpaces) << utf8(c.text);
        EXPECT_EQ(LWStringUtils::trimLateralQuote(c.text), c.withoutQuotes) << utf8(c.text);
    }
}

TEST(LWStringUtils, SpaceTrimmedNotEmpy) {
    EXPECT_FALSE(LWStringUtils::spaceTrimmedNotEmpy(u"   "));
    EXPECT_FALSE(LWStringUtils::spaceTrimmedNotEmpy(u""));
    EXPECT_FALSE(LWStringUtils::spaceTrimmedNotEmpy(std::nullopt));
    EXPECT_TRUE(LWStringUtils::spaceTrimmedNotEmpy(u" x "));
    EXPECT_TRUE(LWStringUtils::spaceTrimmedNotEmpy(u" \t "));
}

TEST(LWStringUtils, StripNewLines) {
    EXPECT_EQ(LWStringUtils::stripNewLines(u"a\r\nb\n\rc"), u"abc");
    EXPECT_EQ(LWStringUtils::stripNewLines(u"\n\n\r\r"), u"");
    EXPECT_EQ(LWStringUtils::stripNewLines(u"a\tb"), u"a\tb");
}

// U+1F600 is the pair D83D DE00; lone halves are characters of their own.
TEST(LWStringUtils, FilteringKeepsSurrogatePairsWhole) {
    const struct {
        const char16_t* text;
        const char16_t* accepted;
        const char16_t* expected;
    } cases[] = {
        {u"a1b2", u"0123456789", u"12"},
        {u"", u"abc", u""},
        {u"abc", u"", u""},
        {u"x\U0001F600y\U0001F600", u"\U0001F600", u"\U0001F600\U0001F600"},
        {u"x\U0001F600y", u"\xD83D", u""},       // half a pair accepts no pair
        {u"x\U0001F600y", u"\xDE00\xD83D", u""}, // nor do both halves apart
        {u"\xD83Dz", u"\xD83D", u"\xD83D"},      // a lone surrogate is accepted as itself
        {u"\xD83Dz", u"\U0001F600", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LWStringUtils::trimString(c.text, c.accepted), c.expected) << utf8(c.text);
        // Removing is the complement of accepting.
        const auto set = CharacterSet::characterSetWithCharactersInString(c.accepted);
        String removed = LWStringUtils::stringByRemovingCharacters(c.text, set);
        EXPECT_EQ(removed.size() + String(c.expected).size(), String(c.text).size())
            << utf8(c.text);
        EXPECT_EQ(LWStringUtils::trimString(removed, c.accepted), u"") << utf8(c.text);
    }
    EXPECT_EQ(LWStringUtils::stringByRemovingCharacters(u" a\u00A0b\tc\n",
                                                        CharacterSet::whitespaceCharacterSet()),
              u"abc\n");
}

class LWStringUtilsFit : public testing::Test {
protected:
    platform::TextMeasurer measurer;
    TextAttributes helvetica12; // the default font

    double width(const String& text) { return measurer.widthOfString(text, helvetica12); }
    String fit(const String& text, int pointWidth) {
        return LWStringUtils::trimStringToFit(text, pointWidth, helvetica12, measurer);
    }
};

// Helvetica 12: "Hello" is 27.336 points wide, "Hel.." 24.672, "He.." 22.008.
TEST_F(LWStringUtilsFit, KeepsTheLongestStartThatFitsWithTwoDots) {
    const struct {
        const char16_t* text;
        int width;
        const char16_t* expected;
    } cases[] = {
        {u"Hello", 28, u"Hello"}, {u"Hello", 27, u"Hel.."}, {u"Hello", 24, u"He.."},
        {u"Hello", 0, u"H.."},    {u"Hello", -5, u"H.."},   {u"", 0, u""},
        {u"", -1, u".."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fit(c.text, c.width), c.expected) << utf8(c.text) << " " << c.width;
}

TEST_F(LWStringUtilsFit, KeepsASurrogatePairWhole) {
    const String pair = u"\U0001F600";
    EXPECT_EQ(fit(pair + pair + pair, 0), pair + u"..");
    EXPECT_EQ(fit(u"a" + pair, 0), u"a..");
}

TEST(LWStringUtilsFitShared, MeasuresWithTheEnvironmentsMeasurer) {
    const platform::TextEnvironment environment;
    EXPECT_EQ(LWStringUtils::trimStringToFit(u"Hello", 27, TextAttributes{}), u"Hel..");
}

} // namespace

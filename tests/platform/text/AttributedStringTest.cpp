#include "platform/text/AttributedString.h"

#include "TextFixtures.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using platform::AttributedString;
using platform::Color;
using platform::Font;
using platform::Range;
using platform::String;
using platform::TextAttributes;

namespace {

TextAttributes inFont(const char16_t* family, double size = 12) {
    TextAttributes attributes;
    attributes.font = Font(family, size);
    return attributes;
}

TextAttributes inColor(std::uint8_t red) {
    TextAttributes attributes;
    attributes.foregroundColor = Color{red, 0, 0};
    return attributes;
}

// Every run differs from the one before and covers what its range says.
void expectMaximalRuns(const AttributedString& text) {
    std::size_t covered = 0;
    for (std::size_t run = 0; run < text.runCount(); ++run) {
        const Range range = text.runRange(run);
        EXPECT_EQ(range.location, covered);
        EXPECT_GT(range.length, 0u);
        if (run > 0) {
            EXPECT_FALSE(*text.runAttributes(run) == *text.runAttributes(run - 1)) << run;
        }
        covered = range.end();
    }
    EXPECT_EQ(covered, text.length());
}

TEST(AttributedString, SetAttributesSplitsAndMergesRuns) {
    AttributedString text(u"Hello world", inFont(u"Helvetica"));
    text.setAttributes(inFont(u"Times"), {6, 5});
    Range range;
    EXPECT_EQ(text.attributesAt(7, range).font->family(), u"Times");
    EXPECT_EQ(range, (Range{6, 5}));
    EXPECT_EQ(text.attributesAt(5, range).font->family(), u"Helvetica");
    EXPECT_EQ(range, (Range{0, 6}));

    text.setAttributes(inFont(u"Helvetica"), {6, 5});
    EXPECT_EQ(text.runCount(), 1u);
    EXPECT_EQ(text, AttributedString(u"Hello world", inFont(u"Helvetica")));
}

TEST(AttributedString, AttributesPastTheEndAreEmpty) {
    const AttributedString text(u"ab", inColor(9));
    Range range{7, 7};
    EXPECT_EQ(text.attributesAt(2, range), TextAttributes{});
    EXPECT_EQ(range, (Range{2, 0}));
    EXPECT_EQ(AttributedString().attributesAt(0), TextAttributes{});
}

// The platform's rule: the first replaced character, else the one before, else the one
// after.
TEST(AttributedString, InsertedTextInheritsAttributes) {
    struct Case {
        Range range;
        const char16_t* expected;
    };
    const Case cases[] = {
        {{0, 0}, u"A"}, // at the start: the character after
        {{2, 0}, u"A"}, // after "aa": the character before
        {{3, 0}, u"B"}, // after "aab"
        {{2, 2}, u"B"}, // replacing "bb": the first replaced
        {{1, 3}, u"A"}, // replacing "abb"
        {{4, 0}, u"B"}, // at the end
    };
    for (const Case& c : cases) {
        AttributedString text(u"aa", inFont(u"A"));
        text.replaceCharacters({2, 0}, AttributedString(u"bb", inFont(u"B")));
        text.replaceCharacters(c.range, u"x");
        EXPECT_EQ(text.attributesAt(c.range.location).font->family(), c.expected)
            << c.range.location << "," << c.range.length;
        expectMaximalRuns(text);
    }
}

TEST(AttributedString, InsertingIntoEmptyTextGivesEmptyAttributes) {
    AttributedString text;
    text.replaceCharacters({0, 0}, u"typed");
    EXPECT_EQ(text, AttributedString(u"typed"));
}

TEST(AttributedString, ReplaceWithAttributedStringKeepsItsRuns) {
    AttributedString text(u"0123456789", inColor(1));
    AttributedString inserted(u"ab", inColor(2));
    inserted.replaceCharacters({2, 0}, AttributedString(u"cd", inColor(3)));
    text.replaceCharacters({3, 4}, inserted);
    EXPECT_EQ(text.string(), u"012abcd789");
    EXPECT_EQ(text.runCount(), 4u);
    EXPECT_EQ(text.attributesAt(3).foregroundColor->red, 2);
    EXPECT_EQ(text.attributesAt(5).foregroundColor->red, 3);
    EXPECT_EQ(text.attributesAt(7).foregroundColor->red, 1);
    expectMaximalRuns(text);
}

TEST(AttributedString, ReplaceWithItself) {
    AttributedString text(u"abc", inColor(1));
    text.setAttributes(inColor(2), {1, 1});
    const AttributedString before = text;
    text.replaceCharacters({3, 0}, text);
    AttributedString expected = before;
    expected.replaceCharacters({3, 0}, before);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.string(), u"abcabc");
}

TEST(AttributedString, RangesAreClippedToTheText) {
    AttributedString text(u"abc");
    text.setAttributes(inColor(5), {2, 100});
    text.replaceCharacters({10, 5}, u"d");
    EXPECT_EQ(text.string(), u"abcd");
    EXPECT_EQ(text.attributedSubstring({1, 50}).string(), u"bcd");
    EXPECT_EQ(text.substring({9, 1}), u"");
}

TEST(AttributedString, SubstringCarriesTheRunsItCovers) {
    AttributedString text(u"aaaabbbbcccc", inColor(1));
    text.setAttributes(inColor(2), {4, 4});
    text.setAttributes(inColor(3), {8, 4});
    const AttributedString middle = text.attributedSubstring({2, 8});
    AttributedString expected(u"aa", inColor(1));
    expected.replaceCharacters({2, 0}, AttributedString(u"bbbb", inColor(2)));
    expected.replaceCharacters({6, 0}, AttributedString(u"cc", inColor(3)));
    EXPECT_EQ(middle, expected);
}

TEST(AttributedString, EqualityComparesAttributeValues) {
    const AttributedString a(u"same", inFont(u"Helvetica", 14));
    const AttributedString b(u"same", inFont(u"Helvetica", 14));
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a == AttributedString(u"same", inFont(u"Helvetica", 13)));
    EXPECT_FALSE(a == AttributedString(u"Same", inFont(u"Helvetica", 14)));
}

TEST(AttributedString, AppendJoinsEqualAttributes) {
    AttributedString text;
    text.append(u"ab", std::make_shared<const TextAttributes>(inColor(1)));
    text.append(u"cd", std::make_shared<const TextAttributes>(inColor(1)));
    text.append(u"", std::make_shared<const TextAttributes>(inColor(2)));
    EXPECT_EQ(text, AttributedString(u"abcd", inColor(1)));
}

// Random edits against a model that keeps one attribute set per character.
TEST(AttributedString, RandomEditsMatchACharacterModel) {
    std::mt19937 random(20240501);
    const auto pick = [&random](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound)(random);
    };
    AttributedString text;
    String modelText;
    std::vector<TextAttributes> modelAttributes;
    for (int step = 0; step < 3000; ++step) {
        const std::size_t location = pick(modelText.size());
        const std::size_t length = pick(std::min<std::size_t>(modelText.size() - location, 3));
        const TextAttributes attributes = inColor(static_cast<std::uint8_t>(pick(3)));
        switch (pick(2)) {
        case 0: {
            text.setAttributes(attributes, {location, length});
            std::fill_n(modelAttributes.begin() + static_cast<std::ptrdiff_t>(location), length,
                        attributes);
            break;
        }
        case 1: {
            const String inserted(pick(4), u"xyz"[pick(2)]);
            TextAttributes inherited;
            if (length > 0)
                inherited = modelAttributes[location];
            else if (location > 0)
                inherited = modelAttributes[location - 1];
            else if (!modelAttributes.empty())
                inherited = modelAttributes[0];
            text.replaceCharacters({location, length}, inserted);
            modelText.replace(location, length, inserted);
            const auto at = modelAttributes.begin() + static_cast<std::ptrdiff_t>(location);
            modelAttributes.erase(at, at + static_cast<std::ptrdiff_t>(length));
            modelAttributes.insert(modelAttributes.begin() + static_cast<std::ptrdiff_t>(location),
                                   inserted.size(), inherited);
            break;
        }
        default: {
            const String inserted(pick(5), u'p');
            text.replaceCharacters({location, length}, AttributedString(inserted, attributes));
            modelText.replace(location, length, inserted);
            const auto at = modelAttributes.begin() + static_cast<std::ptrdiff_t>(location);
            modelAttributes.erase(at, at + static_cast<std::ptrdiff_t>(length));
            modelAttributes.insert(modelAttributes.begin() + static_cast<std::ptrdiff_t>(location),
                                   inserted.size(), attributes);
            break;
        }
        }
        ASSERT_EQ(text.string(), modelText) << "step " << step;
        for (std::size_t index = 0; index < modelText.size(); ++index)
            ASSERT_EQ(text.attributesAt(index), modelAttributes[index]) << step << "@" << index;
        expectMaximalRuns(text);
    }
}

} // namespace

#include "TextFixtures.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

using platform::AttributedString;
using platform::RTFReader;
using platform::String;

namespace {

String textOf(std::string_view rtf) {
    const auto text = RTFReader::read(rtf);
    EXPECT_TRUE(text);
    return text ? text->string() : String(u"<none>");
}

// A document with every kind of thing the reader handles, written by our writer.
std::string richDocument() {
    AttributedString text(u"Caf\u00e9 {\U0001F600}\tend\n");
    platform::TextAttributes attributes;
    attributes.font = platform::Font(u"Times", 14, true);
    attributes.link = std::make_shared<const String>(u"https://example.com");
    attributes.paragraphStyle = std::make_shared<const platform::ParagraphStyle>();
    text.setAttributes(attributes, {2, 6});
    text.replaceCharacters({4, 0},
                           textfixtures::attachmentText(u"a.png", textfixtures::pngImage()));
    text.replaceCharacters({0, 0},
                           textfixtures::attachmentText(u"f", platform::dataFromBytes("x")));
    return std::string(platform::bytesOf(platform::RTFWriter::write(text)));
}

// Cut between tokens: a control word cut short is another word.
TEST(RTFReaderRobustness, EveryPrefixGivesAPrefixOfTheText) {
    for (const std::string& rtf :
         {richDocument(), textfixtures::readFile(textfixtures::dataPath("wordpad.rtf")),
          textfixtures::readFile(textfixtures::dataPath("libreoffice.rtf"))}) {
        const String whole = textOf(rtf);
        for (std::size_t length = 5; length < rtf.size(); ++length) {
            if (std::string_view("\\{} \n").find(rtf[length]) == std::string_view::npos)
                continue;
            const String part = textOf(rtf.substr(0, length));
            ASSERT_EQ(whole.substr(0, part.size()), part) << rtf.substr(0, length);
        }
    }
}

TEST(RTFReaderRobustness, NestingBeyondTheLimitEndsTheReading) {
    const std::size_t limit = RTFReader::maxGroupDepth;
    const auto nested = [](std::size_t depth) {
        return "{\\rtf1 a" + std::string(depth - 1, '{') + "b" + std::string(depth - 1, '}') + "c}";
    };
    EXPECT_EQ(textOf(nested(limit)), u"abc");
    EXPECT_EQ(textOf(nested(limit + 1)), u"a");
    EXPECT_EQ(textOf(nested(200000)), u"a");
    // Skipped groups nest without a limit, in constant memory.
    EXPECT_EQ(
        textOf("{\\rtf1 a{\\info" + std::string(200000, '{') + std::string(200001, '}') + "b}"),
        u"ab");
}

TEST(RTFReaderRobustness, HugeNumbersAreHarmless) {
    EXPECT_EQ(textOf("{\\rtf1 a\\bin99999999999999999999 xyz}"), u"a");
    EXPECT_EQ(textOf("{\\rtf1 a{\\pict\\pngblip\\bin4000000000 89}b}"), u"a");
    EXPECT_EQ(textOf("{\\rtf1 a\\bin-5 b}"), u"ab");
    const auto text = RTFReader::read("{\\rtf1\\fs99999999999999999999999 a\\fs-7 b"
                                      "\\f-99999999999999 c\\cf99999999999999 d\\li-999999999999 e"
                                      "\\ansicpg-1\\deff99999999999999 f\\'zz\\'4g\\'}");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->string(), u"abcdefzzg"); // a \' without two digits is dropped
    EXPECT_EQ(text->attributesAt(0).font->pointSize(), 16383.5);
    EXPECT_EQ(text->attributesAt(4).paragraphStyle->leftIndent, INT32_MIN);
}

TEST(RTFReaderRobustness, UnterminatedInputKeepsWhatWasRead) {
    EXPECT_EQ(textOf("{\\rtf1 abc{\\b def"), u"abcdef");
    EXPECT_EQ(textOf("{\\rtf1 abc\\"), u"abc");
    EXPECT_EQ(textOf("{\\rtf1 abc\\'4"), u"abc");
    EXPECT_EQ(textOf("{\\rtf1 abc{\\pict\\pngblip 8950"), u"abc");
    EXPECT_EQ(textOf("{\\rtf1 abc{\\*\\unknown {{{"), u"abc");
    EXPECT_EQ(textOf("{\\rtf1 abc{\\field{\\*\\fldinst HYPERLINK \"x"), u"abc");
    EXPECT_EQ(textOf("{\\rtf1 abc}def"), u"abc");
}

// Random damage to real documents; the sanitizers of the test build watch for faults.
TEST(RTFReaderRobustness, DamagedDocumentsDoNotFault) {
    std::mt19937 random(7);
    const std::string samples[] = {
        richDocument(), textfixtures::readFile(textfixtures::dataPath("textedit.rtf")),
        textfixtures::readFile(textfixtures::dataPath("word-picture.rtf"))};
    const char specials[] = "{}\\;'*0123456789-? \xac\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string rtf = samples[round % 3];
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int change = 0; change < changes; ++change) {
            const std::size_t at = 6 + random() % (rtf.size() - 6);
            switch (random() % 3) {
            case 0:
                rtf[at] = specials[random() % (sizeof specials - 1)];
                break;
            case 1:
                rtf.erase(at, random() % 16);
                break;
            default:
                rtf.insert(at, rtf.substr(random() % rtf.size(), random() % 32));
                break;
            }
        }
        EXPECT_TRUE(RTFReader::read(rtf)) << rtf;
    }
}

} // namespace

#include "TextFixtures.h"
#include "platform/text/RTFReader.h"

#include <gtest/gtest.h>

using platform::AttributedString;
using platform::Color;
using platform::Font;
using platform::RTFReader;
using platform::TextAlignment;
using textfixtures::dataPath;
using textfixtures::readFile;

namespace {

AttributedString readSample(const std::string& name) {
    const auto text = RTFReader::read(readFile(dataPath(name)));
    EXPECT_TRUE(text) << name;
    return text.value_or(AttributedString());
}

std::size_t at(const AttributedString& text, std::u16string_view word) {
    return text.string().find(word);
}

TEST(RTFSampleFiles, WordPad) {
    const AttributedString text = readSample("wordpad.rtf");
    EXPECT_EQ(text.string(), u"Plain, bold, italic, underlined, struck.\n"
                             u"Red text and highlighted.\n"
                             u"Centred paragraph\n"
                             u"Caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442 \u20ac\n"
                             u"\u00b7\tBulleted item\n"
                             u"https://example.com/\n");
    EXPECT_EQ(text.attributesAt(0).font, Font(u"Calibri", 11));
    EXPECT_EQ(text.attributesAt(at(text, u"bold")).font, Font(u"Calibri", 11, true));
    EXPECT_EQ(text.attributesAt(at(text, u"italic")).font, Font(u"Calibri", 11, false, true));
    EXPECT_TRUE(text.attributesAt(at(text, u"underlined")).underline);
    EXPECT_TRUE(text.attributesAt(at(text, u"struck")).strikethrough);
    EXPECT_EQ(text.attributesAt(at(text, u"Red")).foregroundColor, (Color{255, 0, 0}));
    EXPECT_EQ(text.attributesAt(at(text, u"highlighted")).backgroundColor, (Color{255, 255, 0}));
    const auto& paragraph = text.attributesAt(0).paragraphStyle;
    ASSERT_TRUE(paragraph);
    EXPECT_EQ(paragraph->spacingAfter, 200);
    EXPECT_EQ(paragraph->lineSpacing, 276);
    EXPECT_TRUE(paragraph->lineSpacingIsMultiple);
    EXPECT_EQ(text.attributesAt(at(text, u"Centred")).paragraphStyle->alignment,
              TextAlignment::Center);
    const auto& bullet = text.attributesAt(at(text, u"Bulleted")).paragraphStyle;
    EXPECT_EQ(bullet->firstLineIndent, -360);
    EXPECT_EQ(bullet->leftIndent, 720);
    const auto& link = text.attributesAt(at(text, u"https")).link;
    ASSERT_TRUE(link);
    EXPECT_EQ(*link, u"https://example.com/");
}

TEST(RTFSampleFiles, TextEdit) {
    const AttributedString text = readSample("textedit.rtf");
    EXPECT_EQ(text.string(), u"Plain and bold and italic.\n"
                             u"Red text, caf\u00e9, \u20ac and \U0001F600.\n"
                             u"a link\n"
                             u"Centred");
    EXPECT_EQ(text.attributesAt(0).font, Font(u"Helvetica", 12));
    EXPECT_EQ(text.attributesAt(at(text, u"bold")).font, Font(u"Helvetica-Bold", 12, true));
    EXPECT_EQ(text.attributesAt(at(text, u"italic")).font, Font(u"Times-Italic", 12, false, true));
    EXPECT_EQ(text.attributesAt(at(text, u"Red")).foregroundColor, (Color{251, 0, 7}));
    EXPECT_EQ(text.attributesAt(0).paragraphStyle->tabStops.size(), 12u);
    const auto& link = text.attributesAt(at(text, u"a link")).link;
    ASSERT_TRUE(link);
    EXPECT_EQ(*link, u"https://example.com/");
    EXPECT_TRUE(text.attributesAt(at(text, u"a link")).underline);
    EXPECT_EQ(text.attributesAt(at(text, u"Centred")).paragraphStyle->alignment,
              TextAlignment::Center);
}

TEST(RTFSampleFiles, LibreOffice) {
    const AttributedString text = readSample("libreoffice.rtf");
    EXPECT_EQ(text.string(), u"Plain bold and italic\n"
                             u"Centred\n"
                             u"Red caf\u00e9 \u20ac \u0416\n"
                             u"a link\n");
    EXPECT_EQ(text.attributesAt(0).font, Font(u"Liberation Serif", 12));
    EXPECT_EQ(text.attributesAt(at(text, u"bold")).font, Font(u"Liberation Serif", 12, true));
    EXPECT_EQ(text.attributesAt(at(text, u"Centred")).paragraphStyle->alignment,
              TextAlignment::Center);
    EXPECT_EQ(text.attributesAt(at(text, u"Red")).foregroundColor, (Color{255, 0, 0}));
    const auto& link = text.attributesAt(at(text, u"a link")).link;
    ASSERT_TRUE(link);
    EXPECT_EQ(*link, u"https://example.com/");
}

TEST(RTFSampleFiles, WordPicture) {
    const AttributedString text = readSample("word-picture.rtf");
    EXPECT_EQ(text.string(), u"Before \uFFFC after.\n");
    const auto& attachment = text.attributesAt(7).attachment;
    ASSERT_TRUE(attachment);
    EXPECT_EQ(attachment->contents(), textfixtures::pngImage());
}

TEST(RTFSampleFiles, BinaryPicture) {
    const AttributedString text = readSample("picture-bin.rtf");
    EXPECT_EQ(text.string(), u"A \uFFFC B\n");
    EXPECT_EQ(text.attributesAt(2).attachment->contents(), textfixtures::pngImage());
}

TEST(RTFSampleFiles, BrokenFilesGiveTheTextUpToTheFault) {
    EXPECT_EQ(readSample("broken-truncated.rtf").string(),
              u"Plain, bold, italic, underlined, struck.\nRed text and highlighted.\nCentred para");
    EXPECT_EQ(readSample("broken-unbalanced.rtf").string(), u"one");
}

} // namespace

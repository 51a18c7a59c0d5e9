#include "TextFixtures.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"

#include <functional>
#include <gtest/gtest.h>

using platform::AttributedString;
using platform::Color;
using platform::Font;
using platform::ParagraphStyle;
using platform::Range;
using platform::RTFReader;
using platform::RTFWriter;
using platform::String;
using platform::TextAlignment;
using platform::TextAttributes;
using textfixtures::attachmentText;

namespace {

AttributedString roundTrip(const AttributedString& text) {
    const auto read = RTFReader::read(platform::bytesOf(RTFWriter::write(text)));
    return read.value_or(AttributedString(u"<not RTF>"));
}

AttributedString styled(std::initializer_list<std::pair<const char16_t*, TextAttributes>> runs) {
    AttributedString text;
    for (const auto& [characters, attributes] : runs)
        text.append(characters, std::make_shared<const TextAttributes>(attributes));
    return text;
}

TextAttributes font(const char16_t* family, double size, bool bold = false, bool italic = false) {
    TextAttributes attributes;
    attributes.font = Font(family, size, bold, italic);
    return attributes;
}

TextAttributes withParagraph(ParagraphStyle style) {
    TextAttributes attributes;
    attributes.paragraphStyle = std::make_shared<const ParagraphStyle>(std::move(style));
    return attributes;
}

ParagraphStyle aligned(TextAlignment alignment) {
    ParagraphStyle style;
    style.alignment = alignment;
    return style;
}

ParagraphStyle indented(std::int32_t left, std::int32_t right = 0) {
    ParagraphStyle style;
    style.leftIndent = left;
    style.rightIndent = right;
    return style;
}

TextAttributes linked(const char16_t* address, TextAttributes attributes = {}) {
    attributes.link = std::make_shared<const String>(address);
    return attributes;
}

struct Case {
    const char* name;
    std::function<AttributedString()> make;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

ParagraphStyle everyParagraphField() {
    ParagraphStyle style;
    style.alignment = TextAlignment::Justified;
    style.firstLineIndent = -360;
    style.leftIndent = 720;
    style.rightIndent = 144;
    style.lineSpacing = 360;
    style.lineSpacingIsMultiple = true;
    style.spacingBefore = 120;
    style.spacingAfter = 240;
    style.tabStops = {1440, 720, 2880};
    return style;
}

AttributedString everyCharacterAttribute() {
    TextAttributes all = font(u"Times", 13.5, true, true);
    all.underline = true;
    all.strikethrough = true;
    all.foregroundColor = Color{255, 0, 0};
    all.backgroundColor = Color{0, 0, 255};
    return styled({{u"plain ", {}}, {u"all", all}, {u" bold", font(u"Helvetica", 12, true)}});
}

AttributedString imagesAndFiles() {
    AttributedString text(u"before ");
    text.replaceCharacters({text.length(), 0},
                           attachmentText(u"photo.png", textfixtures::pngImage()));
    text.replaceCharacters({text.length(), 0},
                           attachmentText(u"scan.jpeg", textfixtures::jpegImage()));
    text.replaceCharacters(
        {text.length(), 0},
        attachmentText(u"notes; \u00e9t\u00e9 {1}.txt",
                       platform::dataFromBytes(std::string_view("a\0b}{\\", 6))));
    text.replaceCharacters({text.length(), 0}, attachmentText(u"", {}));
    text.replaceCharacters({text.length(), 0},
                           AttributedString(u" after \uFFFC without attachment"));
    return text;
}

const Case cases[] = {
    {"empty", [] { return AttributedString(); }},
    {"plain paragraphs", [] { return AttributedString(u"One\nTwo\n\nThree\n"); }},
    {"escapes and controls",
     [] { return AttributedString(u"a\\b{c}d\te\u2028f\r\u0001\u0000g\u007f\u00a0-_~"); }},
    {"characters beyond ASCII",
     [] { return AttributedString(u"caf\u00e9 \u20ac \u0416 \u4e2d \u00ff\u0152 \uffff"); }},
    {"surrogate pairs and lone surrogates",
     [] { return AttributedString(u"\U0001F600 x\xD800y\xDFFFz"); }},
    {"text after control words", [] { return AttributedString(u"\tword\t 9\t-1\u2028abc"); }},
    {"every character attribute", everyCharacterAttribute},
    {"font names that need escapes",
     [] {
         return styled({{u"a", font(u"Odd; {Name}\\", 10)},
                        {u"b", font(u"Caf\u00e9 Sans \u4e2d", 24.5)},
                        {u"c", font(u"Helvetica", 0)}});
     }},
    {"font without and with default family",
     [] {
         return styled({{u"none", {}}, {u"helvetica", font(u"Helvetica", 12)}});
     }},
    {"paragraph styles",
     [] {
         return styled({{u"first\n", withParagraph(everyParagraphField())},
                        {u"default but explicit\n", withParagraph({})},
                        {u"none\n", {}},
                        {u"centred", withParagraph(aligned(TextAlignment::Center))}});
     }},
    {"paragraph style changes within a paragraph",
     [] {
         return styled({{u"left ", withParagraph({})},
                        {u"right", withParagraph(aligned(TextAlignment::Right))}});
     }},
    {"links",
     [] {
         TextAttributes red;
         red.foregroundColor = Color{200, 0, 0};
         return styled({{u"see ", {}},
                        {u"this ", linked(u"https://example.com/a?b=\"c\"&d=\\e")},
                        {u"page", linked(u"https://example.com/a?b=\"c\"&d=\\e", red)},
                        {u" and ", {}},
                        {u"that", linked(u"#anchor", withParagraph(indented(20)))},
                        {u"\nafter", withParagraph(indented(40))}});
     }},
    {"attachments", imagesAndFiles},
    {"attachment with attributes",
     [] {
         AttributedString text = attachmentText(u"a.png", textfixtures::pngImage());
         TextAttributes attributes = text.attributesAt(0);
         attributes.font = Font(u"Courier", 18);
         attributes.link = std::make_shared<const String>(u"https://example.com");
         text.setAttributes(attributes, {0, 1});
         text.replaceCharacters({1, 0}, u"\uFFFC"); // the same attachment twice
         return text;
     }},
};

class RTFRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(RTFRoundTrip, ReadsBackEqual) {
    const AttributedString text = GetParam().make();
    EXPECT_EQ(roundTrip(text), text) << platform::bytesOf(RTFWriter::write(text));
}

INSTANTIATE_TEST_SUITE_P(Cases, RTFRoundTrip, testing::ValuesIn(cases), [](const auto& test) {
    std::string name = test.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(RTFWriter, WritesARangeOfTheText) {
    const AttributedString text = everyCharacterAttribute();
    const Range range{3, 6};
    const auto read = RTFReader::read(platform::bytesOf(RTFWriter::write(text, range)));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, text.attributedSubstring(range));
}

// Many runs, each edited in place, as a text view does between saves.
TEST(RTFWriter, RoundTripsAfterEdits) {
    AttributedString text(u"0123456789abcdefghij");
    for (std::size_t i = 0; i < 20; i += 3)
        text.setAttributes(font(i % 2 ? u"Times" : u"Courier", 10 + static_cast<double>(i)),
                           {i, 2});
    text.replaceCharacters({5, 3}, u"\u00e9\u00e8");
    text.replaceCharacters({0, 0}, AttributedString(u"pre", withParagraph(indented(0, 5))));
    EXPECT_EQ(roundTrip(text), text);
}

} // namespace

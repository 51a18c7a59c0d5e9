#include "platform/text/RTFWriter.h"

#include "TextFixtures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using platform::AttributedString;
using platform::Color;
using platform::Font;
using platform::RTFWriter;
using platform::String;
using platform::TextAttributes;

namespace {

std::string rtfOf(const AttributedString& text) {
    return std::string(platform::bytesOf(RTFWriter::write(text)));
}

// The body after a header with the default font alone.
std::string bodyOf(const AttributedString& text) {
    const std::size_t header = rtfOf(AttributedString()).size() - 1;
    const std::string rtf = rtfOf(text);
    return rtf.substr(header, rtf.size() - header - 1);
}

TEST(RTFWriter, WritesTheHeaderOtherReadersExpect) {
    const std::string rtf = rtfOf(AttributedString(u"x"));
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fnil\\fcharset0 "
                        "Helvetica;}}\n",
                        0),
              0u)
        << rtf;
    EXPECT_EQ(rtf.back(), '}');
}

TEST(RTFWriter, EscapesCharacters) {
    struct Case {
        const char16_t* text;
        const char* body;
    };
    const Case cases[] = {
        {u"caf\u00e9", "caf\\u233\\'e9"},
        {u"\u20ac", "\\u8364\\'80"},
        {u"\u4e2d", "\\u20013?"},
        {u"\uf000", "\\u-4096?"},
        {u"\U0001F600", "\\u-10179?\\u-8704?"},
        {u"a\nb", "a\\par\nb"},
        {u"a\tb", "a\\tab b"},
        {u"a\u2028\u2028b", "a\\line\\line b"},
        {u"\\{}", "\\\\\\{\\}"},
        {u"\r", "\\u13?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bodyOf(AttributedString(c.text)), c.body) << platform::toUtf8Lossy(c.text);
}

TEST(RTFWriter, WritesOnlySevenBitBytes) {
    String everything;
    for (char32_t c = 0; c < 0x10000; c += 7)
        everything.push_back(static_cast<char16_t>(c));
    const std::string rtf = rtfOf(AttributedString(everything));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
}

TEST(RTFWriter, WritesFontAndColourTables) {
    TextAttributes attributes;
    attributes.font = Font(u"Times", 13.5, true);
    attributes.foregroundColor = Color{1, 2, 3};
    attributes.backgroundColor = Color{4, 5, 6};
    attributes.underline = true;
    const std::string rtf = rtfOf(AttributedString(u"x", attributes));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 Times;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\colortbl;\\red1\\green2\\blue3;\\red4\\green5\\blue6;}"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\plain\\f1\\fs27\\b\\ul\\cf1\\cb2 x"), std::string::npos) << rtf;
}

TEST(RTFWriter, WritesLinksAsHyperlinkFields) {
    TextAttributes attributes;
    attributes.link = std::make_shared<const String>(u"https://example.com/");
    const std::string body = bodyOf(AttributedString(u"site", attributes));
    EXPECT_EQ(body, "{\\field{\\*\\fldinst{HYPERLINK \"https://example.com/\"}}{\\fldrslt site}}");
}

TEST(RTFWriter, WritesImagesAsPictures) {
    const std::string body =
        bodyOf(textfixtures::attachmentText(u"a.png", textfixtures::pngImage()));
    EXPECT_EQ(body.rfind("{\\pict{\\*\\sealscribefilename a.png}\\pngblip\\picw2\\pich1"
                         "\\picwgoal40\\pichgoal20\n89504e47",
                         0),
              0u)
        << body;
}

TEST(RTFWriter, WritesOtherFilesInItsOwnIgnorableDestination) {
    const std::string body =
        bodyOf(textfixtures::attachmentText(u"a.txt", platform::dataFromBytes("hi")));
    EXPECT_EQ(body, "{\\*\\sealscribeattachment{\\*\\sealscribefilename a.txt}\n6869}");
    // RTF pictures carry PNG and JPEG only.
    const std::string tiff = bodyOf(textfixtures::attachmentText(
        u"a.tif", platform::dataFromBytes(std::string_view("II*\0", 4))));
    EXPECT_EQ(tiff, "{\\*\\sealscribeattachment{\\*\\sealscribefilename a.tif}\n49492a00}");
}

TEST(RTFWriter, ReferencesAttachmentsByFileNameForAPackage) {
    const AttributedString text = textfixtures::attachmentText(u"a.png", textfixtures::pngImage());
    const RTFWriter::AttachmentNamer name = [](const auto&) {
        return String(u"Pasted Graphic.png");
    };
    const std::string rtf(platform::bytesOf(RTFWriter::write(text, {0, 1}, name)));
    EXPECT_NE(rtf.find("{{\\NeXTGraphic Pasted Graphic.png \\width40 \\height20 "
                       "\\appleattachmentpadding0 \\appleembedtype0 \\appleaqc\n}\\'ac}"),
              std::string::npos)
        << rtf;
}

} // namespace

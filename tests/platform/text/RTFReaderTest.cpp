#include "platform/text/RTFReader.h"

#include "TextFixtures.h"

#include <gtest/gtest.h>
#include <string>

using platform::AttributedString;
using platform::Color;
using platform::Data;
using platform::Font;
using platform::RTFReader;
using platform::String;
using platform::TextAlignment;
using platform::TextAttributes;

namespace {

AttributedString read(std::string_view rtf) {
    const auto text = RTFReader::read(rtf);
    EXPECT_TRUE(text) << rtf;
    return text.value_or(AttributedString());
}

String textOf(std::string_view rtf) {
    return read(rtf).string();
}

std::string document(std::string_view body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}{\\f1 Times;}}" +
           std::string(body) + "}";
}

struct TextCase {
    const char* rtf;
    const char16_t* expected;
};

void expectTexts(const TextCase* begin, const TextCase* end) {
    for (const TextCase* c = begin; c != end; ++c)
        EXPECT_EQ(textOf(c->rtf), c->expected) << c->rtf;
}

TEST(RTFReader, RefusesWhatIsNotRTF) {
    for (const char* bytes : {"", "hello", "{\\rtf", " \r\n{\\rt", "\\rtf1 x", "{rtf1}"})
        EXPECT_EQ(RTFReader::read(bytes).has_value(), std::string(bytes) == "{\\rtf") << bytes;
    EXPECT_EQ(textOf(" \r\n{\\rtf1 text}"), u"text");
}

TEST(RTFReader, SkipsTheFallbackOfUnicodeCharacters) {
    const TextCase cases[] = {
        {"{\\rtf1 \\u233?x}", u"\u00e9x"},
        {"{\\rtf1 \\u233\\'e9x}", u"\u00e9x"},
        {"{\\rtf1\\uc2 \\u233\\'e9\\'e9x}", u"\u00e9x"},
        {"{\\rtf1\\uc2 \\u233 abcd}", u"\u00e9cd"},
        {"{\\rtf1 \\u233\\b x}", u"\u00e9x"},       // a control word is one character
        {"{\\rtf1 \\u233\\{x}", u"\u00e9x"},        // so is a control symbol
        {"{\\rtf1 \\u233\\bin3 abcX}", u"\u00e9X"}, // and \bin with its data
        {"{\\rtf1\\uc0 \\u233 x}", u"\u00e9x"},
        {"{\\rtf1 {\\uc3\\u233}x}", u"\u00e9x"}, // the group's end stops the skipping
        {"{\\rtf1\\uc3 {\\uc1 \\u233?}xyz}", u"\u00e9xyz"},
        {"{\\rtf1 \\u-4?}", u"\uFFFC"},
        {"{\\rtf1 \\u-10179?\\u-8704?}", u"\U0001F600"},
        {"{\\rtf1 \\u55357?\\u56832?}", u"\U0001F600"},
        {"{\\rtf1 \\u128512?}", u"\U0001F600"},
        {"{\\rtf1 \\u99999999?}", u"\uFFFD"},
        {"{\\rtf1 \\u-99999999?}", u"\uFFFD"},
        {"{\\rtf1\\uc99999999999999 \\u233 lost}kept", u"\u00e9"},
    };
    expectTexts(std::begin(cases), std::end(cases));
}

TEST(RTFReader, ReadsBytesInTheDocumentsCodePage) {
    const TextCase cases[] = {
        {"{\\rtf1\\ansi \\'80\\'e9}", u"\u20ac\u00e9"},
        {"{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", u"\u041f\u0440\u0438"},
        {"{\\rtf1\\ansi\\ansicpg1251 \xcf}", u"\u041f"},
        {"{\\rtf1\\ansi\\ansicpg1250 \\'b9}", u"\u0105"},
        {"{\\rtf1\\ansi\\ansicpg1253 \\'e1}", u"\u03b1"},
        {"{\\rtf1\\ansi\\ansicpg10000 \\'8e}", u"\u00e9"},
        {"{\\rtf1\\mac \\'8e\\'c6}", u"\u00e9\u2206"},
        {"{\\rtf1\\pc \\'82}", u"\u00e9"},
        {"{\\rtf1\\pca \\'d5}", u"\u0131"},
        {"{\\rtf1\\ansi\\ansicpg932 \\'e9}", u"\u00e9"}, // no double-byte code pages: ANSI
        {"{\\rtf1\\ansi \\'81}", u"\u0081"},             // a byte the code page lacks
    };
    expectTexts(std::begin(cases), std::end(cases));
}

TEST(RTFReader, ReadsBytesInTheFontsCharacterSet) {
    const TextCase cases[] = {
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}\\f1 \\'b9\\f0 \\'b9}",
         u"\u0105\u00b9"},
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset1 X;}}"
         "\\f0 \\'e9\\f1 \\'e9}",
         u"\u00e9\u0439"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset161 G;}{\\f1\\fcharset204 C;}}\\f0\\'e1\\f1\\'e1}",
         u"\u03b1\u0431"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0\\cpg1251 C;}}\\f0\\'e1}", u"\u0431"},
        {"{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 B;}}\\'cf}", u"\u041f"},
        {"{\\rtf1\\ansi{\\fonttbl\\f0\\fcharset204 Caf\\'e9;}\\f0\\'e9}", u"\u0439"},
    };
    expectTexts(std::begin(cases), std::end(cases));
    const AttributedString named =
        read("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 \\'cf\\'f0;}}\\f0 x}");
    EXPECT_EQ(named.attributesAt(0).font->family(), u"\u041f\u0440");
}

TEST(RTFReader, SkipsDestinationsThatAreNotBody) {
    const char* rtf = "{\\rtf1 A{\\info{\\title T}{\\author W}}B{\\*\\unknown X{Y}}C{\\header H}D"
                      "{\\footer F}E{\\stylesheet{\\s1 S;}}F{\\listtable{\\list{\\listlevel L}}}G"
                      "{\\*\\generator Riched20;}H{\\object{\\*\\objdata 0102}{\\result R}}I"
                      "{\\nonshppict{\\pict\\wmetafile8 0100}}J{\\footnote N}K{\\*\\bkmkstart b}L"
                      "{\\*\\x{\\bin3 }}}}}M{\\headerl\\bin2 {{}N{\\info\\binfsxn1 }O}";
    EXPECT_EQ(textOf(rtf), u"ABCDEFGHIJKLMNO");
}

TEST(RTFReader, ShowsTheTextOfListLabels) {
    EXPECT_EQ(textOf("{\\rtf1 {\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}Item\\par}"),
              u"1.\tItem\n");
}

TEST(RTFReader, GroupsRestoreFormatting) {
    const AttributedString text =
        read(document("\\f1\\fs30 a{\\b b\\i c}d{\\ul\\strike e}\\plain f"));
    EXPECT_EQ(text.string(), u"abcdef");
    EXPECT_EQ(text.attributesAt(0).font, Font(u"Times", 15));
    EXPECT_EQ(text.attributesAt(1).font, Font(u"Times", 15, true));
    EXPECT_EQ(text.attributesAt(2).font, Font(u"Times", 15, true, true));
    EXPECT_EQ(text.attributesAt(3).font, Font(u"Times", 15));
    EXPECT_TRUE(text.attributesAt(4).underline);
    EXPECT_TRUE(text.attributesAt(4).strikethrough);
    EXPECT_EQ(text.attributesAt(5), TextAttributes{});
}

TEST(RTFReader, FontPartsDefaultToTheDefaultFontAtTwelvePoints) {
    const AttributedString text =
        read("{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1 B;}}x\\fs20 y\\plain\\b z\\plain\\f7 w}");
    EXPECT_FALSE(text.attributesAt(0).font);
    EXPECT_EQ(text.attributesAt(1).font, Font(u"B", 10));
    EXPECT_EQ(text.attributesAt(2).font, Font(u"B", 12, true));
    EXPECT_EQ(text.attributesAt(3).font, Font(u"B", 12)); // an unknown font
    EXPECT_EQ(read("{\\rtf1 \\b bold}").attributesAt(0).font, Font(u"Helvetica", 12, true));
}

TEST(RTFReader, ReadsColours) {
    const AttributedString text =
        read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue300;}"
             "\\cf1 a\\cf0 b\\cf9 c\\cb2 d\\cb0\\highlight1 e\\highlight0\\chcbpat2 f}");
    EXPECT_EQ(text.attributesAt(0).foregroundColor, (Color{255, 0, 0}));
    EXPECT_FALSE(text.attributesAt(1).foregroundColor);
    EXPECT_FALSE(text.attributesAt(2).foregroundColor);
    EXPECT_EQ(text.attributesAt(3).backgroundColor, (Color{0, 0, 255}));
    EXPECT_EQ(text.attributesAt(4).backgroundColor, (Color{255, 0, 0}));
    EXPECT_EQ(text.attributesAt(5).backgroundColor, (Color{0, 0, 255}));
}

TEST(RTFReader, ReadsParagraphProperties) {
    const AttributedString text =
        read("{\\rtf1\\pard\\qc\\fi-200\\li400\\ri100\\sb60\\sa80\\sl-300\\slmult0\\tx720\\tqr"
             "\\tx1440 one\\par\\pard two\\par\\pard\\qr\\qj\\qd\\ql three}");
    EXPECT_EQ(text.string(), u"one\ntwo\nthree");
    const auto& first = text.attributesAt(0).paragraphStyle;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->alignment, TextAlignment::Center);
    EXPECT_EQ(first->firstLineIndent, -200);
    EXPECT_EQ(first->leftIndent, 400);
    EXPECT_EQ(first->rightIndent, 100);
    EXPECT_EQ(first->spacingBefore, 60);
    EXPECT_EQ(first->spacingAfter, 80);
    EXPECT_EQ(first->lineSpacing, -300);
    EXPECT_FALSE(first->lineSpacingIsMultiple);
    EXPECT_EQ(first->tabStops, (std::vector<std::int32_t>{720, 1440}));
    EXPECT_TRUE(text.attributesAt(3).paragraphStyle); // the \par of the first paragraph
    EXPECT_FALSE(text.attributesAt(4).paragraphStyle);
    EXPECT_EQ(text.attributesAt(8).paragraphStyle->alignment, TextAlignment::Left);
}

TEST(RTFReader, KeepsAtMostSoManyTabStops) {
    std::string rtf = "{\\rtf1\\pard";
    for (int i = 0; i < 1000; ++i)
        rtf += "\\tx" + std::to_string(i);
    const AttributedString text = read(rtf + " x}");
    EXPECT_EQ(text.attributesAt(0).paragraphStyle->tabStops.size(),
              platform::ParagraphStyle::maxTabStops);
}

TEST(RTFReader, ReadsSpecialCharacters) {
    const TextCase cases[] = {
        {"{\\rtf1 a\\~b\\-c\\_d}", u"a\u00a0b\u00adc\u2011d"},
        {"{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
         u"\u2014\u2013\u2022\u2018\u2019\u201c\u201d"},
        {"{\\rtf1 \\emspace\\enspace\\qmspace\\zwj\\zwnj\\zwnbo}",
         u"\u2003\u2002\u2005\u200d\u200c\ufeff"},
        {"{\\rtf1 a\\line b\\tab c\\page d\\sect e\\cell f\\row}", u"a\u2028b\tc\fd\ne\tf\n"},
        {"{\\rtf1 \\{\\}\\\\ x\\\ny\\\r\nz}", u"{}\\ x\ny\nz"},
        {"{\\rtf1 tab\tand\x01 control\x7f}", u"tab\tand control"},
        {"{\\rtf1 line\r\nends\nare\rnot text}", u"lineendsarenot text"},
        {"{\\rtf1 \\unknownword7 x\\:\\|y}", u"xy"},
    };
    expectTexts(std::begin(cases), std::end(cases));
}

TEST(RTFReader, ReadsHyperlinkFields) {
    struct Case {
        const char* instruction;
        const char16_t* link; // null: no link
    };
    const Case cases[] = {
        {"{HYPERLINK \"https://example.com/\"}", u"https://example.com/"},
        {"HYPERLINK \"https://example.com/\" ", u"https://example.com/"},
        {"{HYPERLINK https://example.com/ }", u"https://example.com/"},
        {" hyperlink  \"a b\" \\\\o \"tip\"", u"a b"},
        {"HYPERLINK \\\\l \"mark\"", u"#mark"},
        {"HYPERLINK \"doc.html\" \\\\l \"mark\"", u"doc.html#mark"},
        {"HYPERLINK \"q\\\\\"uote\\\\\\\\\"", u"q\"uote\\"},
        {"PAGE", nullptr},
        {"HYPERLINKS \"x\"", nullptr},
    };
    for (const Case& c : cases) {
        const std::string rtf = std::string("{\\rtf1 {\\field{\\*\\fldinst ") + c.instruction +
                                "}{\\fldrslt shown}} after}";
        const AttributedString text = read(rtf);
        EXPECT_EQ(text.string(), u"shown after") << rtf;
        if (c.link) {
            ASSERT_TRUE(text.attributesAt(0).link) << rtf;
            EXPECT_EQ(*text.attributesAt(0).link, c.link) << rtf;
        } else {
            EXPECT_FALSE(text.attributesAt(0).link) << rtf;
        }
        EXPECT_FALSE(text.attributesAt(6).link) << rtf;
    }
}

TEST(RTFReader, NestedFieldsKeepTheOuterLink) {
    const AttributedString text =
        read("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt x{\\field{\\*\\fldinst "
             "PAGE}{\\fldrslt 1}}y}}}");
    EXPECT_EQ(text.string(), u"x1y");
    EXPECT_EQ(*text.attributesAt(1).link, u"a");
    EXPECT_EQ(*text.attributesAt(2).link, u"a");
}

TEST(RTFReader, ReadsPictures) {
    const std::string png =
        "89504e470d0a1a0a0000000d49484452000000020000000108020000007b40e8dd00"
        "00000d49444154789c63f8cf0004ff01070001ffe2239e590000000049454e44ae426082";
    std::string spaced;
    for (std::size_t i = 0; i < png.size(); i += 7)
        spaced += png.substr(i, 7) + "\r\n ";
    const AttributedString text = read("{\\rtf1 a{\\pict\\picw2\\pich1\\pngblip " + spaced +
                                       "}b{\\pict\\jpegblip ffd8ffe0}c}");
    EXPECT_EQ(text.string(), u"a\uFFFCb\uFFFCc");
    ASSERT_TRUE(text.attributesAt(1).attachment);
    EXPECT_EQ(text.attributesAt(1).attachment->fileName(), u"image.png");
    EXPECT_EQ(text.attributesAt(1).attachment->contents(), textfixtures::pngImage());
    EXPECT_EQ(text.attributesAt(1).attachment->imageFormat(), platform::ImageFormat::PNG);
    EXPECT_EQ(text.attributesAt(3).attachment->fileName(), u"image.jpg");
}

TEST(RTFReader, LeavesOutPicturesItCannotKeep) {
    const TextCase cases[] = {
        {"{\\rtf1 a{\\pict\\wmetafile8 0100090000}b}", u"ab"},
        {"{\\rtf1 a{\\pict\\emfblip 0100}{\\pict\\macpict 01}{\\pict\\dibitmap0 28}b}", u"ab"},
        {"{\\rtf1 a{\\pict\\pngblip}b}", u"ab"}, // no bytes
        {"{\\rtf1 a{\\pict 89504e47}b}", u"ab"}, // no format
        {"{\\rtf1 {\\fonttbl{\\pict\\pngblip 89}}a{\\pict\\pngblip{\\pict\\pngblip 00} 89}b}",
         u"a\uFFFCb"},
    };
    expectTexts(std::begin(cases), std::end(cases));
    // A name that is no group of its own takes the rest of its picture, which so has no
    // bytes, but does not leave the picture open for the next.
    EXPECT_EQ(
        textOf("{\\rtf1 {\\pict\\pngblip\\*\\sealscribefilename x 89}a{\\pict\\pngblip 89}b}"),
        u"a\uFFFCb");
}

TEST(RTFReader, ReadsNeXTGraphicAttachmentsThroughTheResolver) {
    const std::string rtf = "{\\rtf1 a{{\\NeXTGraphic caf\\u233 \\'e9.png \\width40 \\height20}"
                            "\xac}b{{\\NeXTGraphic missing.png}\\uc0\\u8203 }c}";
    const RTFReader::AttachmentResolver resolve = [](const String& name) -> std::optional<Data> {
        if (name == u"caf\u00e9.png")
            return textfixtures::pngImage();
        return std::nullopt;
    };
    const auto text = RTFReader::read(rtf, resolve);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->string(), u"a\uFFFCbc");
    EXPECT_EQ(text->attributesAt(1).attachment->fileName(), u"caf\u00e9.png");
    EXPECT_EQ(textOf(rtf), u"abc"); // without the package's files
}

TEST(RTFReader, ANeXTGraphicOfTheDocumentGroupHidesNothing) {
    EXPECT_EQ(textOf("{\\rtf1 a{\\NeXTGraphic x.png}b}"), u"ab");
}

TEST(RTFReader, ReadsBinaryData) {
    const std::string png =
        platform::toUtf8Lossy(u"") + std::string(platform::bytesOf(textfixtures::pngImage()));
    const AttributedString text =
        read("{\\rtf1 a{\\pict\\pngblip\\bin70 " + png + "}b\\bin3 {}}c}");
    EXPECT_EQ(text.string(), u"a\uFFFCbc");
    EXPECT_EQ(text.attributesAt(1).attachment->contents(), textfixtures::pngImage());
}

} // namespace

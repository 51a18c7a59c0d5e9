#include "platform/base/StringEncoding.h"

#include <gtest/gtest.h>

using platform::decodeString;
using platform::encodeString;
using platform::String;
using platform::StringEncoding;

namespace {

constexpr StringEncoding allEncodings[] = {
    StringEncoding::ASCII,
    StringEncoding::UTF8,
    StringEncoding::MacOSRoman,
    StringEncoding::ISOLatin1,
    StringEncoding::WindowsLatin2,
    StringEncoding::WindowsCyrillic,
    StringEncoding::WindowsLatin1,
    StringEncoding::WindowsGreek,
    StringEncoding::WindowsLatin5,
    StringEncoding::WindowsHebrew,
    StringEncoding::WindowsArabic,
    StringEncoding::WindowsBalticRim,
    StringEncoding::WindowsVietnamese,
    StringEncoding::DOSLatinUS,
    StringEncoding::DOSLatin1,
};

struct Sample {
    StringEncoding encoding;
    std::u16string_view text;
    std::string_view bytes;
};

// Bytes from Python's codecs (mac_roman, latin-1, cp1250 ... cp850), which follow the
// Unicode consortium's and Apple's published tables.
constexpr Sample samples[] = {
    {StringEncoding::ASCII, u"Plain text", "Plain text"},
    {StringEncoding::UTF8, u"caf\u00e9 \u20ac", "caf\xc3\xa9 \xe2\x82\xac"},
    {StringEncoding::MacOSRoman, u"caf\u00e9 \u2206 \u20ac \uf8ff \u03a9",
     "\x63\x61\x66\x8e\x20\xc6\x20\xdb\x20\xf0\x20\xbd"},
    {StringEncoding::ISOLatin1, u"caf\u00e9 \u00ff", "\x63\x61\x66\xe9\x20\xff"},
    {StringEncoding::WindowsLatin2, u"\u0141\u00f3d\u017a \u0159", "\xa3\xf3\x64\x9f\x20\xf8"},
    {StringEncoding::WindowsCyrillic, u"\u0416\u0438\u0437\u043d\u044c", "\xc6\xe8\xe7\xed\xfc"},
    {StringEncoding::WindowsLatin1, u"\u20ac caf\u00e9 \u201cq\u201d",
     "\x80\x20\x63\x61\x66\xe9\x20\x93\x71\x94"},
    {StringEncoding::WindowsGreek, u"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1",
     "\xc5\xeb\xeb\xdc\xe4\xe1"},
    {StringEncoding::WindowsLatin5, u"\u0130stanbul \u011f",
     "\xdd\x73\x74\x61\x6e\x62\x75\x6c\x20\xf0"},
    {StringEncoding::WindowsHebrew, u"\u05e9\u05dc\u05d5\u05dd", "\xf9\xec\xe5\xed"},
    {StringEncoding::WindowsArabic, u"\u0633\u0644\u0627\u0645", "\xd3\xe1\xc7\xe3"},
    {StringEncoding::WindowsBalticRim, u"R\u012bga \u0173", "\x52\xee\x67\x61\x20\xf8"},
    {StringEncoding::WindowsVietnamese, u"\u0110\u01a1n \u20ab", "\xd0\xf5\x6e\x20\xfe"},
    {StringEncoding::DOSLatinUS, u"\u00c7 \u00fc \u2591 \u256c", "\x80\x20\x81\x20\xb0\x20\xce"},
    {StringEncoding::DOSLatin1, u"\u00c7 \u00fc \u00d8 \u00df", "\x80\x20\x81\x20\x9d\x20\xe1"},
};

} // namespace

TEST(StringEncoding, KnownBytesBothWays) {
    for (const auto& sample : samples) {
        const auto index = static_cast<int>(sample.encoding);
        EXPECT_EQ(encodeString(sample.text, sample.encoding), std::string(sample.bytes))
            << "encoding " << index;
        EXPECT_EQ(decodeString(sample.bytes, sample.encoding), String(sample.text))
            << "encoding " << index;
    }
}

TEST(StringEncoding, CharacterWithoutFormGivesNoneNeverAReplacement) {
    const struct {
        StringEncoding encoding;
        std::u16string_view text;
    } cases[] = {
        {StringEncoding::MacOSRoman, u"\u0142"},      // ł
        {StringEncoding::MacOSRoman, u"abc\u0142"},   // after encodable text
        {StringEncoding::MacOSRoman, u"\U0001F600"},  // outside the BMP
        {StringEncoding::ISOLatin1, u"\u20ac"},       // €
        {StringEncoding::ASCII, u"caf\u00e9"},        // é
        {StringEncoding::WindowsLatin1, u"\u0416"},   // Ж
        {StringEncoding::WindowsCyrillic, u"\u00e9"}, // é
        {StringEncoding::DOSLatinUS, u"\u20ac"},      // €
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeString(c.text, c.encoding), std::nullopt)
            << "encoding " << static_cast<int>(c.encoding);
}

TEST(StringEncoding, LoneSurrogateHasNoFormInAnyEncoding) {
    const String high(1, char16_t(0xD800));
    const String low(1, char16_t(0xDC00));
    for (const auto encoding : allEncodings) {
        for (const String& text : {high, u"a" + high, high + u"a", low, u"a" + low + u"b"})
            EXPECT_EQ(encodeString(text, encoding), std::nullopt)
                << "encoding " << static_cast<int>(encoding) << " length " << text.size();
    }
}

TEST(StringEncoding, BytesWithoutMeaningGiveNone) {
    const struct {
        StringEncoding encoding;
        std::string_view bytes;
    } cases[] = {
        {StringEncoding::ASCII, "a\x80"},        {StringEncoding::UTF8, "\xff"},
        {StringEncoding::WindowsLatin1, "\x81"}, {StringEncoding::WindowsGreek, "\xaa"},
        {StringEncoding::WindowsHebrew, "\xff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeString(c.bytes, c.encoding), std::nullopt)
            << "encoding " << static_cast<int>(c.encoding);
}

TEST(StringEncoding, EveryMacOSRomanByteRoundTrips) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    const auto text = decodeString(bytes, StringEncoding::MacOSRoman);
    ASSERT_TRUE(text);
    ASSERT_EQ(text->size(), 256u) << "one unit per byte";
    EXPECT_EQ((*text)[0xC6], u'\u2206') << "the platform's INCREMENT, not Greek Delta";
    EXPECT_EQ((*text)[0xF0], u'\uF8FF') << "the platform's Apple logo";
    EXPECT_EQ((*text)[0xDB], u'\u20AC');
    EXPECT_EQ(encodeString(*text, StringEncoding::MacOSRoman), bytes);
    EXPECT_EQ(platform::defaultCStringEncoding(), StringEncoding::MacOSRoman);
}

TEST(StringEncoding, EmptyAndLongTextsConvertWhole) {
    for (const auto encoding : allEncodings) {
        EXPECT_EQ(encodeString(u"", encoding), std::string());
        EXPECT_EQ(decodeString("", encoding), String());
    }
    // Windows Vietnamese writes a precomposed letter as a base and a combining mark, so
    // the bytes outgrow the text, and reading them back composes again.
    String vietnamese;
    for (int i = 0; i < 50000; ++i)
        vietnamese += u"Ti\u1ebfng Vi\u1ec7t ";
    const auto bytes = encodeString(vietnamese, StringEncoding::WindowsVietnamese);
    ASSERT_TRUE(bytes);
    EXPECT_GT(bytes->size(), vietnamese.size());
    EXPECT_EQ(decodeString(*bytes, StringEncoding::WindowsVietnamese), vietnamese);

    const std::string roman(300000, '\x8e');
    EXPECT_EQ(decodeString(roman, StringEncoding::MacOSRoman), String(300000, u'\u00e9'));
}

#include "platform/text/TextMeasurer.h"

#include "platform/text/FontManager.h"

#include <gtest/gtest.h>

using platform::Font;
using platform::FontManager;
using platform::String;
using platform::TextAttributes;
using platform::TextMeasurer;

namespace {

// The set-up script installs fonts-urw-base35 (Nimbus Sans meets "Helvetica") and DejaVu.
class TextMeasurerTest : public testing::Test {
protected:
    TextMeasurer measurer;

    double width(const String& text, const Font& font = Font(u"Helvetica", 12)) {
        return measurer.widthOfString(text, font);
    }
};

// Advances in thousandths of an em from the AFM of Nimbus Sans, as Helvetica's
// published metrics give them: H 722, e 556, l 222 (bold 278), o 556 (bold 611).
TEST_F(TextMeasurerTest, GivesTheFontsAdvancesInPoints) {
    EXPECT_DOUBLE_EQ(width(u"Hello"), 12 * 2.278);
    EXPECT_DOUBLE_EQ(width(u"Hello", Font(u"Helvetica", 12, true)), 12 * 2.445);
    EXPECT_DOUBLE_EQ(width(u"Hello", Font(u"Helvetica", 10, false, true)), 10 * 2.278);
    EXPECT_DOUBLE_EQ(width(u" "), 12 * 0.278);
}

TEST_F(TextMeasurerTest, WidthsAddUpWithoutKerningAndScaleWithTheSize) {
    for (const Font& font : {Font(u"Helvetica", 12), Font(u"DejaVu Sans", 9.5, true),
                             Font(u"Times", 13, false, true), Font(u"No Such Family", 12)}) {
        double sum = 0;
        for (const char16_t c : std::u16string_view(u"AVAT Wo.yk"))
            sum += width(String(1, c), font);
        EXPECT_DOUBLE_EQ(width(u"AVAT Wo.yk", font), sum) << platform::toUtf8Lossy(font.family());
        EXPECT_GT(width(u"AVAT Wo.yk!", font), sum);
        const Font doubled(font.family(), font.pointSize() * 2, font.isBold(), font.isItalic());
        EXPECT_DOUBLE_EQ(width(u"AVAT Wo.yk", doubled), 2 * sum);
    }
}

TEST_F(TextMeasurerTest, EmptyTextAndANullSizeMeasureNothing) {
    EXPECT_EQ(width(u""), 0);
    EXPECT_EQ(width(u"abc", Font(u"Helvetica", 0)), 0);
}

TEST_F(TextMeasurerTest, AttributesWithoutAFontMeasureInHelvetica12) {
    TextAttributes attributes;
    EXPECT_DOUBLE_EQ(measurer.widthOfString(u"Hello", attributes), width(u"Hello"));
    attributes.font = Font(u"Helvetica", 24, true);
    EXPECT_DOUBLE_EQ(measurer.widthOfString(u"Hello", attributes), 24 * 2.445);
}

TEST_F(TextMeasurerTest, ASurrogatePairIsOneCharacterAndMissingOnesTakeTheMissingGlyph) {
    const Font dejaVu(u"DejaVu Sans", 12);
    const double missing = width(u"\xD835", dejaVu); // a lone surrogate
    EXPECT_GT(missing, 0);
    EXPECT_DOUBLE_EQ(width(u"\xDD38", dejaVu), missing);
    EXPECT_DOUBLE_EQ(width(u"\xDD38\xD835", dejaVu), 2 * missing); // not a pair
    EXPECT_DOUBLE_EQ(width(u"\U000E0F00", dejaVu), missing);       // a character it lacks
    // DejaVu Sans has U+1D538 (double-struck A), a pair of code units.
    const double doubleStruckA = width(u"\U0001D538", dejaVu);
    EXPECT_GT(doubleStruckA, 0);
    EXPECT_NE(doubleStruckA, missing);
    EXPECT_NE(doubleStruckA, 2 * missing);
}

TEST(FontManagerFontFile, GivesTheFaceOfTheFamilyAndItsTraits) {
    const FontManager fonts;
    const auto regular = fonts.fontFileForFont(Font(u"Helvetica", 12));
    const auto bold = fonts.fontFileForFont(Font(u"Helvetica", 12, true));
    const auto italic = fonts.fontFileForFont(Font(u"Helvetica", 12, false, true));
    ASSERT_TRUE(regular && bold && italic);
    EXPECT_NE(regular->path.find("NimbusSans"), std::string::npos) << regular->path;
    EXPECT_NE(*bold, *regular);
    EXPECT_NE(*italic, *regular);
    EXPECT_NE(*italic, *bold);
    // Unknown and unusable names get fontconfig's fallback.
    for (const String& family :
         {String(u"No Such Family 4711"), String(), String(u"a\0b", 3), String(u"\xD800")})
        EXPECT_TRUE(fonts.fontFileForFont(Font(family, 12)).has_value());
}

} // namespace

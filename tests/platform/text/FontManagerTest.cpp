#include "platform/text/FontManager.h"

#include "TextFixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using platform::Font;
using platform::FontManager;
using platform::String;

namespace {

// The set-up script installs fonts-urw-base35 and DejaVu.
TEST(FontManager, ListsTheInstalledFamiliesSortedOnce) {
    const FontManager fonts;
    const std::vector<String> families = fonts.availableFontFamilies();
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    for (const char16_t* family : {u"Nimbus Sans", u"Nimbus Roman", u"DejaVu Sans"})
        EXPECT_NE(std::find(families.begin(), families.end(), family), families.end())
            << platform::toUtf8Lossy(family);
}

TEST(FontManager, FindsFamiliesByTheirNamesAndMetricCompatibleOnes) {
    const FontManager fonts;
    struct Case {
        const char16_t* family;
        bool exists;
    };
    const Case cases[] = {
        {u"Helvetica", true}, // met by Nimbus Sans
        {u"Times", true},     // Nimbus Roman
        {u"Courier", true},   // Nimbus Mono PS
        {u"Nimbus Sans", true},
        {u"nimbus sans", true},
        {u"DejaVu Sans", true},
        {u"No Such Family 4711", false}, // fontconfig would give DejaVu Sans
        {u"sans-serif", false},          // a generic name is no family
        {u"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fonts.fontWithName(c.family, 12).has_value(), c.exists)
            << platform::toUtf8Lossy(c.family);
}

TEST(FontManager, GivesTheRegularFontAtTheSize) {
    const FontManager fonts;
    EXPECT_EQ(fonts.fontWithName(u"Helvetica", 14), Font(u"Helvetica", 14));
    EXPECT_EQ(fonts.fontWithName(u"Helvetica", 0), Font(u"Helvetica", 12));
    EXPECT_EQ(fonts.fontWithName(u"Helvetica", -3), Font(u"Helvetica", 12));
}

TEST(Font, KeepsSizesInHalfPoints) {
    EXPECT_EQ(Font(u"A", 13.3).pointSize(), 13.5);
    EXPECT_EQ(Font(u"A", 13.2).pointSize(), 13.0);
    EXPECT_EQ(Font(u"A", 1e9).pointSize(), Font::maxPointSize);
    EXPECT_EQ(Font(u"A", -1).pointSize(), 0.0);
    EXPECT_EQ(Font(u"A", std::nan("")).pointSize(), 0.0);
}

} // namespace

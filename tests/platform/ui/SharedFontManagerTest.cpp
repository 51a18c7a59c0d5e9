#include "platform/ui/SharedFontManager.h"

#include "platform/ui/Environment.h"

#include <algorithm>
#include <gtest/gtest.h>

using platform::SharedFontManager;
using platform::String;

namespace {

TEST(SharedFontManager, FamiliesAreInstalledOnesEachOnce) {
    const SharedFontManager fonts;
    auto families = fonts.availableFontFamilies();
    ASSERT_FALSE(families.empty());
    std::sort(families.begin(), families.end());
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    // fonts-urw-base35 stands in for Helvetica.
    EXPECT_NE(std::find(families.begin(), families.end(), u"Nimbus Sans"), families.end());
}

TEST(SharedFontManager, FontByFamilyAndSizeOrNone) {
    const SharedFontManager fonts;
    const auto helvetica = fonts.fontWithName(u"Helvetica", 12.0f);
    ASSERT_TRUE(helvetica);
    EXPECT_EQ(helvetica->pointSize(), 12.0);
    EXPECT_EQ(fonts.fontWithName(u"No Such Family Anywhere", 12.0), std::nullopt);
}

TEST(SharedFontManager, EnabledIsObservable) {
    SharedFontManager fonts;
    EXPECT_TRUE(fonts.isEnabled());
    std::vector<bool> seen;
    const auto observation = fonts.addObserver(
        u"enabled", [&](const auto& value) { seen.push_back(value.boolValue()); });
    fonts.setEnabled(false);
    fonts.setValueForKey(platform::Number::boolean(true), u"enabled");
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    EXPECT_TRUE(fonts.isEnabled());
}

TEST(SharedFontManager, TestsCanReplaceTheSharedOne) {
    platform::Environment environment;
    const auto own = std::make_shared<SharedFontManager>();
    SharedFontManager::setSharedFontManager(own);
    EXPECT_EQ(SharedFontManager::sharedFontManager(), own);
    SharedFontManager::setSharedFontManager(nullptr);
    EXPECT_NE(SharedFontManager::sharedFontManager(), own);
}

} // namespace

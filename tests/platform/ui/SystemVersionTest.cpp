#include "platform/ui/SystemVersion.h"

#include <gtest/gtest.h>

using platform::SystemVersion;

TEST(SystemVersion, OffersTheFeaturesOf1014) {
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 14));
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 13));
    EXPECT_TRUE(SystemVersion::isAtLeast(9, 99));
    EXPECT_FALSE(SystemVersion::isAtLeast(10, 15));
    EXPECT_FALSE(SystemVersion::isAtLeast(11, 0));
}

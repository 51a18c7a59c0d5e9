#include "crypto/RandomIntInRange.h"

#include "crypto/LWCommonCrypto.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

TEST(RandomIntInRange, StaysInItsRange) {
    std::int64_t lowest = 256, highest = 0;
    for (int i = 0; i < 10000; ++i) {
        EXPECT_EQ(RandomIntInRange(5, 5), 5);
        const std::int64_t value = RandomIntInRange(1, 255);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_EQ(highest, 255);
}

TEST(RandomIntInRange, WideRangesYieldOnlyTheirLowest2To31Values) {
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    for (int i = 0; i < 10000; ++i) {
        const std::int64_t value = RandomIntInRange(1, 32000000000000);
        EXPECT_GE(value, 1);
        EXPECT_LE(value, limit);
    }
    constexpr auto minimum = std::numeric_limits<std::int64_t>::min();
    constexpr auto maximum = std::numeric_limits<std::int64_t>::max();
    EXPECT_LT(RandomIntInRange(minimum, maximum), minimum + limit);
    EXPECT_LE(RandomIntInRange(0, maximum), limit);
}

TEST(RandomIntInRange, ReversedRangeGivesItsMinimum) {
    EXPECT_EQ(RandomIntInRange(5, 4), 5);
    EXPECT_EQ(RandomIntInRange(10, 1), 10);
}

TEST(RandomCheckString, Has256UnitsOfCodes1To255) {
    const platform::String first = LWCommonCrypto::generateRandom256AsciiString();
    const platform::String second = LWCommonCrypto::generateRandom256AsciiString();
    EXPECT_EQ(first.size(), 256u);
    EXPECT_TRUE(std::all_of(first.begin(), first.end(),
                            [](char16_t unit) { return unit >= 1 && unit <= 255; }));
    EXPECT_NE(first, second);
}

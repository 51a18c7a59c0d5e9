#include "platform/security/OutputBuffer.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(OutputBuffer, IsZeroFilledAtEverySize) {
    // 5 MiB and 9 MiB + 3 take the huge-page advice, with ends off the 2 MiB grid.
    for (std::size_t length :
         {std::size_t{0}, std::size_t{17}, std::size_t{5} << 20, (std::size_t{9} << 20) + 3}) {
        const platform::Data buffer = platform::zeroedOutputBuffer(length);
        EXPECT_EQ(buffer.size(), length);
        EXPECT_TRUE(
            std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0; }));
    }
}

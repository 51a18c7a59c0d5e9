#include "platform/security/SecureRandom.h"

#include "platform/base/Data.h"
#include "platform/security/CryptoStatus.h"
#include "platform/security/SecureRandomOverride.h"
#include "platform/security/SecurityEnvironment.h"

#include <algorithm>
#include <gtest/gtest.h>

using platform::Data;
using platform::SecureRandomOverride;
namespace cryptoStatus = platform::cryptoStatus;

TEST(SecureRandom, FillsFromTheSystemSource) {
    Data first(32, 0);
    Data second(32, 0);
    ASSERT_EQ(platform::secureRandomBytes(first.data(), first.size()), cryptoStatus::success);
    ASSERT_EQ(platform::secureRandomBytes(second.data(), second.size()), cryptoStatus::success);
    EXPECT_NE(first, second);
    EXPECT_NE(first, Data(32, 0));
    EXPECT_EQ(platform::secureRandomBytes(nullptr, 0), cryptoStatus::success);
    EXPECT_EQ(platform::secureRandomBytes(nullptr, 4), cryptoStatus::paramError);
}

TEST(SecureRandom, OverrideReplacesTheSourceWhileItLives) {
    platform::SecurityEnvironment environment;
    Data bytes(8, 0);
    {
        SecureRandomOverride failing(
            [](std::uint8_t*, std::size_t) { return cryptoStatus::randomFailure; });
        EXPECT_EQ(platform::secureRandomBytes(bytes.data(), bytes.size()),
                  cryptoStatus::randomFailure);
        {
            SecureRandomOverride sevens([](std::uint8_t* out, std::size_t count) {
                std::fill_n(out, count, std::uint8_t{7});
                return cryptoStatus::success;
            });
            EXPECT_EQ(platform::secureRandomBytes(bytes.data(), bytes.size()),
                      cryptoStatus::success);
            EXPECT_EQ(bytes, Data(8, 7));
        }
        EXPECT_EQ(platform::secureRandomBytes(bytes.data(), bytes.size()),
                  cryptoStatus::randomFailure);
    }
    EXPECT_EQ(SecureRandomOverride::active(), nullptr);
    EXPECT_EQ(platform::secureRandomBytes(bytes.data(), bytes.size()), cryptoStatus::success);
}

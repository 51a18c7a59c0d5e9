#include "platform/security/SHA1Digest.h"

#include "Hex.h"

#include <gtest/gtest.h>

TEST(SHA1Digest, KnownAnswers) {
    // FIPS 180 examples (the NIST "SHA1.pdf" and "SHA1-2.pdf" example values) and the
    // digest of no bytes.
    const std::pair<std::string, std::string> vectors[] = {
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    };
    for (const auto& [message, digest] : vectors) {
        const auto result = platform::sha1Digest(
            reinterpret_cast<const std::uint8_t*>(message.data()), message.size());
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(testhex::toHex(result->data(), result->size()), digest) << message.substr(0, 20);
    }
    const auto none = platform::sha1Digest(nullptr, 0);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(testhex::toHex(none->data(), none->size()),
              "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

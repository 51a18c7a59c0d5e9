#include "crypto/Base64.h"

#include "crypto/LWCommonCrypto.h"

#include <gtest/gtest.h>

using platform::Data;
using platform::dataFromBytes;
using platform::String;

TEST(Base64, EncodesAndDecodesRFC4648Text) {
    // RFC 4648, section 10.
    EXPECT_EQ(Base64::base64enc(dataFromBytes("foobar")), u"Zm9vYmFy");
    EXPECT_EQ(Base64::base64EncodedString(dataFromBytes("fooba")), u"Zm9vYmE=");
    EXPECT_EQ(Base64::base64enc(Data{}), u"");
    EXPECT_EQ(Base64::base64dec(u"Zm9vYg=="), dataFromBytes("foob"));
}

TEST(Base64, DecodingSpellingsAgree) {
    for (const String text :
         {u"Zm9vYmFy", u"Zm8=", u"Zm9v\nYmFy", u"", u"Zg", u"Zm9v!", u"Zm9v\u00e9"}) {
        const auto expected = Base64::base64dec(text);
        EXPECT_EQ(Base64::dataBase64enc(text), expected);
        EXPECT_EQ(Base64::dataWithBase64EncodedString(text), expected);
        EXPECT_EQ(Base64::dataFromBase64String(text), expected);
    }
}

TEST(Base64, RoundTripsAnyData) {
    for (std::uint64_t length : {1, 2, 3, 4, 47, 48, 49, 57, 100, 4096}) {
        const auto data = LWCommonCrypto::randomDataOfLength(length);
        ASSERT_TRUE(data.has_value());
        const auto text = Base64::base64enc(*data);
        ASSERT_TRUE(text.has_value()) << length;
        EXPECT_EQ(Base64::base64dec(*text), data) << length;
    }
}

TEST(Base64, BadTextAndMissingPiecesGiveNone) {
    EXPECT_EQ(Base64::base64dec(u"Zm9v\u00e9YmFy"), std::nullopt);
    // U+0179 ends in the byte of 'y': cut to bytes, it would read as "foobar".
    EXPECT_EQ(Base64::base64dec(u"Zm9vYmF\u0179"), std::nullopt);
    EXPECT_EQ(Base64::base64dec(u"Zm9v-YmFy"), std::nullopt);
    EXPECT_EQ(Base64::transformExecuter(Data{1}, nullptr), std::nullopt);
    EXPECT_EQ(Base64::transformExecuter(
                  std::nullopt,
                  platform::Base64Transform::create(platform::Base64Transform::Direction::encode)),
              std::nullopt);
}

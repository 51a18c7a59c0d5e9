#include "platform/base/String.h"

#include <gtest/gtest.h>

using platform::fromUtf8;
using platform::toUtf8;

TEST(String, Utf8RoundTripOfEveryEncodedLength) {
    const std::u16string text = u"a\u00e9\u20ac\U0001F600";
    const auto bytes = toUtf8(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
    EXPECT_EQ(fromUtf8(*bytes), text);
    EXPECT_EQ(text.size(), 5u) << "a character outside the BMP counts two units";
}

TEST(String, LoneSurrogateHasNoUtf8Form) {
    EXPECT_FALSE(toUtf8(std::u16string(1, char16_t(0xD800))));
    EXPECT_FALSE(toUtf8(u"ab" + std::u16string(1, char16_t(0xDC00))));
    EXPECT_EQ(platform::toUtf8Lossy(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
}

TEST(String, MalformedUtf8IsRefused) {
    for (const char* bytes :
         {"\xc3", "\xc0\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xff", "a\x80"})
        EXPECT_FALSE(fromUtf8(bytes)) << bytes;
    EXPECT_EQ(fromUtf8(""), std::u16string());
}

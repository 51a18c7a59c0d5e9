#include "platform/base/UUID.h"

#include <gtest/gtest.h>
#include <set>

using platform::String;
using platform::UUID;

namespace {

bool isUpperHex(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

TEST(UUID, StringIsTheUpperCaseVersionFourForm) {
    for (int i = 0; i < 200; ++i) {
        const String text = UUID().UUIDString();
        ASSERT_EQ(text.size(), 36u);
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (k == 8 || k == 13 || k == 18 || k == 23)
                ASSERT_EQ(text[k], u'-') << platform::toUtf8Lossy(text);
            else
                ASSERT_TRUE(isUpperHex(text[k])) << platform::toUtf8Lossy(text);
        }
        EXPECT_EQ(text[14], u'4') << "version 4";
        EXPECT_NE(String(u"89AB").find(text[19]), String::npos) << "RFC 4122 variant";
    }
}

TEST(UUID, EveryUUIDIsNew) {
    std::set<String> seen;
    for (int i = 0; i < 10000; ++i)
        EXPECT_TRUE(seen.insert(UUID().UUIDString()).second);
    const UUID one;
    EXPECT_EQ(one, one);
    EXPECT_NE(one, UUID());
}

#include "platform/ui/Pasteboard.h"

#include "platform/ui/Environment.h"

#include <gtest/gtest.h>

using platform::Data;
using platform::Pasteboard;
using platform::String;

namespace {

const String pngType = u"public.png";

TEST(Pasteboard, PlainStringTypeRoundTrips) {
    Pasteboard pboard;
    EXPECT_TRUE(pboard.setString(u"abc \u00e9\U0001F600", Pasteboard::stringType));
    EXPECT_EQ(pboard.types(), std::vector<String>{Pasteboard::stringType});
    EXPECT_EQ(pboard.stringForType(Pasteboard::stringType), u"abc \u00e9\U0001F600");
    EXPECT_EQ(pboard.dataForType(Pasteboard::stringType),
              platform::dataFromBytes("abc \xc3\xa9\xf0\x9f\x98\x80"));
}

TEST(Pasteboard, EmptyStringIsAString) {
    Pasteboard pboard;
    ASSERT_TRUE(pboard.setString(u"", Pasteboard::stringType));
    EXPECT_EQ(pboard.stringForType(Pasteboard::stringType), String());
}

TEST(Pasteboard, TypeWithoutAStringGivesNone) {
    Pasteboard pboard;
    pboard.setData({0x89, 'P', 'N', 'G'}, pngType);
    EXPECT_EQ(pboard.stringForType(Pasteboard::stringType), std::nullopt);
    // Bytes under the string type that are no UTF-8 give no string either.
    pboard.setData({0xff, 0xfe}, Pasteboard::stringType);
    EXPECT_EQ(pboard.types(), (std::vector<String>{pngType, Pasteboard::stringType}));
    EXPECT_EQ(pboard.stringForType(Pasteboard::stringType), std::nullopt);
}

TEST(Pasteboard, LoneSurrogateIsNotWritten) {
    Pasteboard pboard;
    EXPECT_FALSE(pboard.setString(String(1, u'\xD800'), Pasteboard::stringType));
    EXPECT_TRUE(pboard.types().empty());
}

TEST(Pasteboard, WritingAgainReplacesAndClearingEmpties) {
    Pasteboard pboard;
    int changes = 0;
    const auto observation = pboard.addObserver(u"types", [&](const auto&) { ++changes; });
    ASSERT_TRUE(pboard.setString(u"one", Pasteboard::stringType));
    ASSERT_TRUE(pboard.setString(u"two", Pasteboard::stringType));
    EXPECT_EQ(pboard.types().size(), 1u);
    EXPECT_EQ(pboard.stringForType(Pasteboard::stringType), u"two");
    pboard.clearContents();
    EXPECT_TRUE(pboard.types().empty());
    EXPECT_EQ(changes, 3);
}

TEST(Pasteboard, GeneralPasteboardIsShared) {
    platform::Environment environment;
    EXPECT_EQ(Pasteboard::generalPasteboard(), Pasteboard::generalPasteboard());
    EXPECT_NE(Pasteboard::generalPasteboard(), nullptr);
}

} // namespace

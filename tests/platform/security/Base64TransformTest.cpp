#include "platform/security/Base64Transform.h"

#include <algorithm>
#include <gtest/gtest.h>

using platform::Base64Transform;
using platform::Data;
using platform::dataFromBytes;

namespace {

std::optional<Data> run(Base64Transform::Direction direction, std::string_view input) {
    const auto transform = Base64Transform::create(direction);
    if (!transform->setInput(dataFromBytes(input)))
        return std::nullopt;
    return transform->execute();
}

std::optional<Data> encode(std::string_view input) {
    return run(Base64Transform::Direction::encode, input);
}

std::optional<Data> decode(std::string_view input) {
    return run(Base64Transform::Direction::decode, input);
}

} // namespace

TEST(Base64Transform, RFC4648TestVectors) {
    // RFC 4648, section 10.
    const std::pair<std::string_view, std::string_view> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, text] : vectors) {
        EXPECT_EQ(encode(plain), dataFromBytes(text)) << plain;
        EXPECT_EQ(decode(text), dataFromBytes(plain)) << text;
    }
}

TEST(Base64Transform, EncoderWritesOneLineThatTheDecoderReads) {
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes.push_back(static_cast<char>(i));
    const auto text = encode(bytes);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 400u);
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 0);
    EXPECT_EQ(decode(platform::bytesOf(*text)), dataFromBytes(bytes));
}

TEST(Base64Transform, DecoderTakesLineBreaks) {
    EXPECT_EQ(decode("Zm9v\nYmFy\n"), dataFromBytes("foobar"));
    EXPECT_EQ(decode("Zm9v\r\nYmE=\r\n"), dataFromBytes("fooba"));
}

TEST(Base64Transform, InvalidTextGivesNone) {
    for (std::string_view text : {"Zg", "Zg=", "Zg===", "Zm9v!", "Zg==Zg==", "Zm9vYg==x",
                                  "Zm9v-YmFy", "====", "Zm9v\xc3\xa9"}) {
        EXPECT_EQ(decode(text), std::nullopt) << text;
    }
}

TEST(Base64Transform, MissingInputIsRefused) {
    const auto transform = Base64Transform::create(Base64Transform::Direction::encode);
    EXPECT_EQ(transform->execute(), std::nullopt);
    EXPECT_FALSE(transform->setInput(std::nullopt));
    EXPECT_EQ(transform->execute(), std::nullopt);
}

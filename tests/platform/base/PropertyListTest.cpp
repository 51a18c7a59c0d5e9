#include "platform/base/PropertyList.h"

#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

namespace {

constexpr std::uint64_t uint64Max = std::numeric_limits<std::uint64_t>::max();

std::string textOf(const Data& bytes) {
    return std::string(bytesOf(bytes));
}

Data xml(std::string_view body) {
    return dataFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" +
                         std::string(body) + "</plist>");
}

std::string nested(std::string_view open, std::string_view close, std::size_t depth) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += open;
    for (std::size_t i = 0; i < depth; ++i)
        text += close;
    return text;
}

// A binary property list laid out by hand: the objects in order, object 0 the root,
// references of one byte unless the objects need two.
Data binary(const std::vector<std::string>& objects) {
    std::string bytes = "bplist00";
    std::vector<std::uint32_t> offsets;
    for (const auto& object : objects) {
        offsets.push_back(static_cast<std::uint32_t>(bytes.size()));
        bytes += object;
    }
    const auto tableOffset = bytes.size();
    for (const auto offset : offsets)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>(offset >> shift);
    std::string trailer(32, '\0');
    trailer[6] = 4; // offset size
    trailer[7] = objects.size() > 255 ? 2 : 1;
    for (int i = 0; i < 8; ++i) {
        trailer[8 + i] = static_cast<char>(std::uint64_t{objects.size()} >> (56 - 8 * i));
        trailer[24 + i] = static_cast<char>(std::uint64_t{tableOffset} >> (56 - 8 * i));
    }
    return dataFromBytes(bytes + trailer);
}

std::string reference(std::size_t index, std::size_t objectCount) {
    if (objectCount > 255)
        return {static_cast<char>(index >> 8), static_cast<char>(index & 0xFF)};
    return {static_cast<char>(index)};
}

// Arrays in a chain: each holds `width` references to the next, the last is empty.
Data arrayChain(std::size_t length, std::size_t width) {
    std::vector<std::string> objects;
    for (std::size_t i = 0; i + 1 < length; ++i) {
        std::string array(1, static_cast<char>(0xA0 | width));
        for (std::size_t k = 0; k < width; ++k)
            array += reference(i + 1, length);
        objects.push_back(array);
    }
    objects.push_back("\xA0");
    return binary(objects);
}

Dictionary everyKind() {
    return {
        {u"ascii", u"plain"},
        {u"text", u"Grüße ✓ \U0001D11E"},
        {u"empty", String()},
        {u"bytes", Data{0, 1, 2, 0xFF}},
        {u"no bytes", Data{}},
        {u"yes", Number::boolean(true)},
        {u"no", Number::boolean(false)},
        {u"negative", Number::int32(-5)},
        {u"large", Number::int64(std::numeric_limits<std::int64_t>::min())},
        {u"unsigned", Number::uint64(uint64Max)},
        {u"half", Number::float32(0.5f)},
        {u"real", Number::float64(120.9)},
        {u"list", Array{Value(u"a"), Value(Number::int32(1)), Value(Array{})}},
        {u"inner", Dictionary{{u"key", Value(Dictionary{})}}},
        {u"when", Date(650000000.0)},
    };
}

} // namespace

TEST(PropertyList, EveryKindReadsBackInBothFormats) {
    for (const auto format : {PropertyListFormat::Binary, PropertyListFormat::XML}) {
        const auto bytes = PropertyList::write(everyKind(), format);
        ASSERT_TRUE(bytes) << testsupport::messageOf(bytes);
        const auto back = PropertyList::read(*bytes);
        ASSERT_TRUE(back) << testsupport::messageOf(back);
        EXPECT_EQ(*back, Value(everyKind()));
        // Integers come back as 64-bit numbers, unsigned only above INT64_MAX; reals as
        // doubles.
        EXPECT_EQ((*back)[u"negative"].number()->kind(), Number::Kind::Int64);
        EXPECT_EQ((*back)[u"unsigned"].number()->kind(), Number::Kind::UInt64);
        EXPECT_EQ((*back)[u"unsigned"].unsignedLongLongValue(), uint64Max);
        EXPECT_EQ((*back)[u"half"].number()->kind(), Number::Kind::Double);
        EXPECT_EQ((*back)[u"yes"].number()->kind(), Number::Kind::Bool);
    }
}

TEST(PropertyList, UnsignedValuesAboveInt64MaxAreWrittenUnsigned) {
    // libplist 2.2 would write them as negative 8-byte integers; the platform writes a
    // 16-byte integer whose high half is zero, and "18446744073709551615" in XML.
    const Value values = Array{Value(Number::uint64(uint64Max)), Value(Number::int64(-1))};
    const auto xmlText = textOf(*PropertyList::write(values, PropertyListFormat::XML));
    EXPECT_NE(xmlText.find("<integer>18446744073709551615</integer>"), std::string::npos);
    EXPECT_NE(xmlText.find("<integer>-1</integer>"), std::string::npos);

    const auto binaryText = textOf(*PropertyList::write(values, PropertyListFormat::Binary));
    EXPECT_NE(binaryText.find(std::string("\x14") + std::string(8, '\0') + std::string(8, '\xFF')),
              std::string::npos);
    EXPECT_NE(binaryText.find(std::string("\x13") + std::string(8, '\xFF')), std::string::npos);
}

TEST(PropertyList, DatesAreExactInBinaryAndWholeSecondsInXml) {
    // libplist's own date accessors keep 32-bit seconds and lose the sign of a fraction
    // below zero.
    for (const double seconds : {-5.1, -0.25, 650000000.123456789, 4e9, -4e9}) {
        const auto bytes = PropertyList::write(Date(seconds), PropertyListFormat::Binary);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*PropertyList::read(*bytes), Value(Date(seconds))) << seconds;
    }
    const auto bytes = PropertyList::write(Date(650000000.75), PropertyListFormat::XML);
    EXPECT_NE(textOf(*bytes).find("<date>2021-08-07T03:33:20Z</date>"), std::string::npos);
    EXPECT_EQ(*PropertyList::read(*bytes), Value(Date(650000000.0)));
}

TEST(PropertyList, WhatHasNoPropertyListFormFailsWithAReason) {
    Value deep = Array{};
    for (int i = 0; i < 600; ++i) {
        Array outer;
        outer.push_back(std::move(deep));
        deep = std::move(outer);
    }
    const struct {
        const char* name;
        Value value;
        PropertyListFormat format;
    } cases[] = {
        {"lone surrogate", String(u"a\xD800"), PropertyListFormat::Binary},
        {"lone surrogate key", Dictionary{{String(u"\xDC00"), Value(u"x")}},
         PropertyListFormat::XML},
        {"U+0000", String(u"a\0b", 3), PropertyListFormat::Binary},
        {"none", Value(), PropertyListFormat::Binary},
        {"none in an array", Array{Value()}, PropertyListFormat::XML},
        {"set", Set(Array{Value(u"a")}), PropertyListFormat::Binary},
        {"deep", deep, PropertyListFormat::Binary},
        {"year 10000 in XML", Date(252423993600.0), PropertyListFormat::XML},
        {"date that is no number in XML", Date(std::nan("")), PropertyListFormat::XML},
    };
    for (const auto& test : cases) {
        const auto bytes = PropertyList::write(test.value, test.format);
        EXPECT_FALSE(bytes) << test.name;
        EXPECT_FALSE(testsupport::messageOf(bytes).empty()) << test.name;
    }
}

TEST(PropertyList, DamagedOrHostileInputFailsWithAReason) {
    const std::string lone("\x61\xD8\x00", 3); // a string of one unit: U+D800 alone
    const struct {
        const char* name;
        Data bytes;
    } cases[] = {
        {"empty", Data{}},
        {"text", dataFromBytes("hello")},
        {"magic alone", dataFromBytes("bplist00")},
        {"truncated trailer",
         dataFromBytes(std::string("bplist00\x08", 9) + std::string(20, '\0'))},
        {"unterminated XML", dataFromBytes("<plist><dict><key>a</key>")},
        {"broken XML", xml("<dict><key>a</key><string>b</dict>")},
        {"XML lone surrogate", xml("<string>&#xD800;</string>")},
        {"XML nested too deep", xml(nested("<array>", "</array>", 600))},
        {"XML of too many elements",
         xml("<array>" + nested("<true/>", "", 1'100'000) + "</array>")},
        {"binary nested too deep", arrayChain(600, 1)},
        {"binary that expands to 2^40 elements", arrayChain(41, 2)},
        {"binary cycle", binary({"\xA1\x01", "\xA1\x00"})},
        {"reference out of range", binary({"\xA1\x05"})},
        {"integer beyond 64 bits", binary({std::string("\x14\x01") + std::string(15, '\0')})},
        {"lone surrogate", binary({lone})},
        {"ASCII U+0000", binary({std::string("\x53"
                                             "a\0b",
                                             4)})},
        {"non-string key", binary({"\xD1\x01\x01", "\x10\x07"})},
        {"huge count", binary({std::string("\xAF\x13\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10)})},
        {"unsupported null", binary({std::string("\x00", 1)})},
        {"date of 4 bytes", binary({std::string("\x32\x00\x00\x00\x00", 5)})},
    };
    for (const auto& test : cases) {
        const auto value = PropertyList::read(test.bytes);
        EXPECT_FALSE(value) << test.name;
        EXPECT_FALSE(testsupport::messageOf(value).empty()) << test.name;
    }
}

TEST(PropertyList, SharedObjectsWithinTheLimitsAreRead) {
    // Writers store equal objects once; a chain that expands to 2^16 elements is fine.
    const auto value = PropertyList::read(arrayChain(17, 2));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->array()->size(), 2u);
    EXPECT_TRUE(PropertyList::read(xml(nested("<array>", "</array>", 512))));
    EXPECT_TRUE(PropertyList::read(arrayChain(512, 1)));
}

class PropertyListFile : public ::testing::Test {
protected:
    String file(const char* name, const Data& bytes) const {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(bytesOf(bytes).data(), bytesOf(bytes).size());
        return *fromUtf8(path.string());
    }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& folder_ = scratch_.path();
};

TEST_F(PropertyListFile, DictionaryWithContentsOfFileReadsBothFormats) {
    const Dictionary settings = {{u"LRA", Number::int32(21000)}, {u"GFU", Value(u"http://x/")}};
    for (const auto format : {PropertyListFormat::XML, PropertyListFormat::Binary}) {
        const auto path = file("list.plist", *PropertyList::write(settings, format));
        EXPECT_EQ(Value(*dictionaryWithContentsOfFile(path)), Value(settings));
        const auto url = URL::fileURLWithPath(path);
        EXPECT_EQ(Value(*dictionaryWithContentsOfURL(*url)), Value(settings));
    }
}

TEST_F(PropertyListFile, OnlyADictionaryAtTheRootIsTaken) {
    const Value array = Array{Value(u"a")};
    const auto dictionary = dictionaryWithContentsOfFile(
        file("array.plist", *PropertyList::write(array, PropertyListFormat::XML)));
    EXPECT_FALSE(dictionary);
    EXPECT_FALSE(testsupport::messageOf(dictionary).empty());
    EXPECT_FALSE(dictionaryWithContentsOfFile(file("text.plist", dataFromBytes("LRA=1"))));
    EXPECT_FALSE(dictionaryWithContentsOfFile(*fromUtf8((folder_ / "missing").string())));
    EXPECT_FALSE(dictionaryWithContentsOfURL(*URL::fileURLWithPath(*fromUtf8(folder_.string()))));
}

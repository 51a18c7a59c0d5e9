#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"
#include "platform/base/Object.h"
#include "support/Results.h"

#include <gtest/gtest.h>
#include <limits>

using namespace platform;
using testsupport::messageOf;

namespace {

std::string uid(std::size_t index) {
    return "<dict><key>CF$UID</key><integer>" + std::to_string(index) + "</integer></dict>";
}

std::string uids(std::initializer_list<std::size_t> indices) {
    std::string list = "<array>";
    for (const auto index : indices)
        list += uid(index);
    return list + "</array>";
}

std::string instance(std::size_t classUid, const std::string& body) {
    return "<dict><key>$class</key>" + uid(classUid) + body + "</dict>";
}

std::string classRecord(const std::string& name) {
    return "<dict><key>$classname</key><string>" + name +
           "</string><key>$classes</key><array><string>" + name +
           "</string><string>NSObject</string></array></dict>";
}

// An XML keyed archive, as the platform's archiver writes with the XML output format:
// "$null" and then the given objects, the root at UID 1.
Data archive(const std::vector<std::string>& objects, const std::string& root = uid(1),
             const std::string& header = "<key>$archiver</key><string>NSKeyedArchiver</string>"
                                         "<key>$version</key><integer>100000</integer>") {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>" +
                       header + "<key>$top</key><dict><key>root</key>" + root +
                       "</dict><key>$objects</key><array><string>$null</string>";
    for (const auto& object : objects)
        text += object;
    return dataFromBytes(text + "</array></dict></plist>");
}

Value unarchived(const Data& data) {
    const auto value = KeyedUnarchiver::unarchive(data);
    EXPECT_TRUE(value) << messageOf(value);
    return value.value_or(Value());
}

Dictionary documentLike() {
    return {
        {u"appversion", Number::uint64(20400)},
        {u"publicTextData", Value(u"A note")},
        {u"isEditable", Number::boolean(true)},
        {u"textData", Data(100, 0xAB)},
        {u"salt", Data{1, 2, 3, 4, 5, 6, 7, 8}},
        {u"windowRecX", Number::float64(120.9)},
        {u"windowRecY", Number::float64(-35.5)},
        {u"makeToolbarVisibleAtDecrypt", Number::boolean(false)},
    };
}

} // namespace

TEST(KeyedArchive, ValuesReadBack) {
    const Value shared = Array{Value(u"x"), Value(Number::int32(7))};
    const Value cases[] = {
        documentLike(),
        Date(650000000.123456789),
        Value(u"Grüße \U0001D11E"),
        Number::uint64(std::numeric_limits<std::uint64_t>::max()),
        Dictionary{},
        Array{shared, shared, Value(Dictionary{{u"again", shared}})},
        Array{Value(Set(Array{Value(u"a"), Value(Number::int32(1)), Value(Date(1.5))})),
              Value(Data{})},
    };
    for (const auto& value : cases) {
        const auto data = KeyedArchiver::archive(value);
        ASSERT_TRUE(data) << messageOf(data);
        EXPECT_EQ(unarchived(*data), value);
    }
}

TEST(KeyedArchive, NoneAtTheRootIsNil) {
    const auto data = KeyedArchiver::archivedDataWithRootObject(Value());
    ASSERT_TRUE(data);
    EXPECT_TRUE(unarchived(*data).isNone());
}

TEST(KeyedArchive, WhatHasNoArchiveIsRefused) {
    Value deep = Array{};
    for (int i = 0; i < 600; ++i)
        deep = Array{deep};
    const struct {
        const char* name;
        Value value;
    } cases[] = {
        {"object", Value(std::make_shared<Object>())},
        {"object inside", Dictionary{{u"window", Value(std::make_shared<Object>())}}},
        {"none inside", Array{Value()}},
        {"lone surrogate", Dictionary{{u"k", String(u"\xD800")}}},
        {"deep", deep},
    };
    for (const auto& test : cases) {
        const auto data = KeyedArchiver::archive(test.value);
        EXPECT_FALSE(data) << test.name;
        EXPECT_FALSE(messageOf(data).empty()) << test.name;
    }
}

TEST(KeyedArchive, ReadsTheMutableFormsAndNativeDates) {
    const auto data = archive({
        instance(8, "<key>NS.keys</key>" + uids({2, 3, 4, 5, 6}) + "<key>NS.objects</key>" +
                        uids({9, 11, 13, 15, 16})),
        "<string>list</string>",
        "<string>text</string>",
        "<string>bytes</string>",
        "<string>members</string>",
        "<string>when</string>",
        "<string>never read</string>",
        classRecord("NSMutableDictionary"),
        instance(10, "<key>NS.objects</key>" + uids({2, 3})),
        classRecord("NSMutableArray"),
        instance(12, "<key>NS.string</key><string>Grüße</string>"),
        classRecord("NSMutableString"),
        instance(14, "<key>NS.data</key><data>AAH/</data>"),
        classRecord("NSMutableData"),
        instance(17, "<key>NS.objects</key>" + uids({6})),
        "<date>2021-08-07T03:33:20Z</date>",
        classRecord("NSMutableSet"),
    });
    const Value expected = Dictionary{
        {u"list", Array{Value(u"list"), Value(u"text")}},
        {u"text", Value(u"Grüße")},
        {u"bytes", Data{0, 1, 0xFF}},
        {u"members", Set(Array{Value(u"when")})},
        {u"when", Date(650000000.0)},
    };
    EXPECT_EQ(unarchived(data), expected);
}

TEST(KeyedArchive, DamagedArchivesFailWithAReason) {
    const std::string dictionaryClass = classRecord("NSDictionary");
    const std::string arrayClass = classRecord("NSArray");
    const std::string keyed = "<key>NS.keys</key>";
    const std::string values = "<key>NS.objects</key>";
    const struct {
        const char* name;
        Data data;
    } cases[] = {
        {"no property list", dataFromBytes("NSKeyedArchiver")},
        {"no dictionary", dataFromBytes("<plist><array/></plist>")},
        {"other archiver", archive({"<string>a</string>"}, uid(1),
                                   "<key>$archiver</key><string>Other</string>"
                                   "<key>$version</key><integer>100000</integer>")},
        {"other version", archive({"<string>a</string>"}, uid(1),
                                  "<key>$archiver</key><string>NSKeyedArchiver</string>"
                                  "<key>$version</key><integer>99999</integer>")},
        {"no root", archive({"<string>a</string>"}, "")},
        {"root no UID", archive({"<string>a</string>"}, "<integer>1</integer>")},
        {"root out of range", archive({"<string>a</string>"}, uid(2))},
        {"cycle",
         archive({instance(2, values + uids({3})), arrayClass, instance(2, values + uids({1}))})},
        {"self", archive({instance(2, values + uids({1})), arrayClass})},
        {"member out of range", archive({instance(2, values + uids({9})), arrayClass})},
        {"$null member", archive({instance(2, values + uids({0})), arrayClass})},
        {"class record no dictionary", archive({instance(2, ""), "<string>NSArray</string>"})},
        {"$classes no array", archive({instance(2, ""), "<dict><key>$classname</key><string>"
                                                        "NSArray</string><key>$classes</key>"
                                                        "<string>NSArray</string></dict>"})},
        {"no $classname", archive({instance(2, ""), "<dict/>"})},
        {"unknown class", archive({instance(2, ""), classRecord("NSWindow")})},
        {"$class no UID", archive({"<dict><key>$class</key><string>NSArray</string></dict>"})},
        {"lengths differ", archive({instance(3, keyed + uids({2}) + values + uids({2, 2})),
                                    "<string>k</string>", dictionaryClass})},
        {"key no string", archive({instance(3, keyed + uids({2}) + values + uids({2})),
                                   "<integer>5</integer>", dictionaryClass})},
        {"NS.keys no array", archive({instance(3, keyed + uid(2) + values + uids({2})),
                                      "<string>k</string>", dictionaryClass})},
        {"plain dictionary", archive({"<dict><key>a</key><string>b</string></dict>"})},
        {"array inline", archive({"<array/>"})},
        {"date without time", archive({instance(2, ""), classRecord("NSDate")})},
        {"string without NS.string", archive({instance(2, ""), classRecord("NSMutableString")})},
        {"NS.data no data", archive({instance(2, "<key>NS.data</key><string>x</string>"),
                                     classRecord("NSMutableData")})},
    };
    for (const auto& test : cases) {
        const auto value = KeyedUnarchiver::unarchive(test.data);
        EXPECT_FALSE(value) << test.name;
        EXPECT_FALSE(messageOf(value).empty()) << test.name;
    }
}

TEST(KeyedArchive, NestingAndSharingAreBounded) {
    // Arrays nested through their UIDs, and arrays that each hold the next twice: a few
    // hundred bytes that name 2^40 elements once expanded.
    std::vector<std::string> deep;
    std::vector<std::string> doubling;
    for (std::size_t i = 1; i <= 600; ++i)
        deep.push_back(instance(601, "<key>NS.objects</key>" +
                                         (i < 600 ? uids({i + 1}) : std::string("<array/>"))));
    deep.push_back(classRecord("NSArray"));
    for (std::size_t i = 1; i <= 40; ++i)
        doubling.push_back(
            instance(41, "<key>NS.objects</key>" + (i < 40 ? uids({i + 1, i + 1}) : "<array/>")));
    doubling.push_back(classRecord("NSArray"));
    for (const auto& objects : {deep, doubling}) {
        const auto value = KeyedUnarchiver::unarchive(archive(objects));
        EXPECT_FALSE(value);
        EXPECT_FALSE(messageOf(value).empty());
    }
    // Dictionaries copy their keys: many of them sharing one long key cost memory too.
    std::vector<std::string> keys = {"", classRecord("NSArray"), classRecord("NSDictionary")};
    std::string members = "<key>NS.objects</key><array>";
    for (std::size_t i = 0; i < 200; ++i) {
        members += uid(4 + i);
        keys.push_back(instance(3, "<key>NS.keys</key>" + uids({204}) + "<key>NS.objects</key>" +
                                       uids({204})));
    }
    keys[0] = instance(2, members + "</array>");
    keys.push_back("<string>" + std::string(100'000, 'k') + "</string>");
    const auto value = KeyedUnarchiver::unarchive(archive(keys));
    EXPECT_FALSE(value);
    EXPECT_NE(messageOf(value).find("keys"), std::string::npos) << messageOf(value);
}

TEST(KeyedArchive, EveryTruncationAndCorruptionEndsInOrder) {
    const auto data = *KeyedArchiver::archivedDataWithRootObject(documentLike());
    for (std::size_t length = 0; length < data.size(); ++length) {
        const Data prefix(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
        const auto value = KeyedUnarchiver::unarchive(prefix);
        EXPECT_FALSE(value);
        EXPECT_FALSE(messageOf(value).empty());
    }
    for (std::size_t position = 0; position < data.size(); ++position) {
        for (const int flip : {0x01, 0x10, 0x80, 0xFF}) {
            Data damaged = data;
            damaged[position] = static_cast<std::uint8_t>(damaged[position] ^ flip);
            const auto value = KeyedUnarchiver::unarchive(damaged);
            EXPECT_TRUE(value || !value.error().message.empty()) << position;
        }
    }
}

#include "platform/system/BookmarkRecord.h"

#include "platform/base/PropertyList.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using platform::BookmarkRecord;
using platform::Data;
using platform::Dictionary;
using platform::Number;
using platform::PropertyList;
using platform::PropertyListFormat;
using platform::Value;

namespace {

BookmarkRecord sampleRecord() {
    BookmarkRecord record;
    record.path = u"/home/ann/Notes \u00e9t\u00e9.sealscribe";
    record.identity = {.device = 2049,
                       .inode = std::numeric_limits<std::uint64_t>::max() - 1,
                       .size = 12345,
                       .modificationTime = 1'700'000'000'123'456'789};
    record.readOnly = true;
    record.documentPath = u"/home/ann/Index.sealscribe";
    return record;
}

Dictionary sampleDictionary() {
    const auto value = PropertyList::read(sampleRecord().write().value());
    return *value.value().dictionary();
}

Data binary(const Value& value) {
    return PropertyList::write(value, PropertyListFormat::Binary).value();
}

TEST(BookmarkRecord, ReadsBackWhatItWrites) {
    for (const bool relative : {false, true}) {
        auto record = sampleRecord();
        if (!relative)
            record.documentPath.reset();
        const auto data = record.write();
        ASSERT_TRUE(data);
        const auto back = BookmarkRecord::read(*data);
        ASSERT_TRUE(back) << platform::toUtf8Lossy(back.error().message);
        EXPECT_EQ(*back, record);
    }
}

TEST(BookmarkRecord, RefusesWhatIsNotExactlyOurRecord) {
    std::mt19937 random(14);
    Data noise(300);
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>(random());
    Data magicThenNoise = noise;
    std::copy_n("bplist00", 8, magicThenNoise.begin());
    Data truncated = sampleRecord().write().value();
    truncated.resize(truncated.size() / 2);

    const struct {
        const char* name;
        Data data;
    } cases[] = {
        {"empty", {}},
        {"random bytes", noise},
        {"binary magic then noise", magicThenNoise},
        {"truncated", truncated},
        {"another property list", binary(Dictionary{{u"StartupActionTag", Number::int32(3)}})},
        {"an array", binary(platform::Array{Value(u"/tmp/a")})},
        {"our record as XML",
         PropertyList::write(sampleDictionary(), PropertyListFormat::XML).value()},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(BookmarkRecord::read(c.data)) << c.name;
}

TEST(BookmarkRecord, RefusesAFieldMissingOrOfAnotherKind) {
    using Change = std::function<void(Dictionary&)>;
    const auto set = [](const char16_t* key, const Value& value) -> Change {
        return [=](Dictionary& d) { d[key] = value; };
    };
    const auto erase = [](const char16_t* key) -> Change {
        return [=](Dictionary& d) { d.erase(key); };
    };
    const struct {
        const char* name;
        Change change;
    } cases[] = {
        {"another kind marker", set(u"kind", u"org.example.bookmark")},
        {"no kind marker", erase(u"kind")},
        {"a future version", set(u"version", Number::int64(2))},
        {"version 0", set(u"version", Number::int64(0))},
        {"version as a string", set(u"version", u"1")},
        {"version as a boolean", set(u"version", Number::boolean(true))},
        {"no version", erase(u"version")},
        {"no path", erase(u"path")},
        {"path as data", set(u"path", Data{'/', 'a'})},
        {"a relative path", set(u"path", u"Notes.sealscribe")},
        {"a folder's path", set(u"path", u"/home/ann/")},
        {"the root", set(u"path", u"/")},
        {"no inode", erase(u"inode")},
        {"inode as a string", set(u"inode", u"42")},
        {"inode as a real", set(u"inode", Number::float64(42.0))},
        {"a negative inode", set(u"inode", Number::int64(-1))},
        {"no device", erase(u"device")},
        {"no size", erase(u"size")},
        {"a negative size", set(u"size", Number::int64(-1))},
        {"no modification time", erase(u"modificationTime")},
        {"a modification time beyond 64 signed bits",
         set(u"modificationTime", Number::uint64(std::numeric_limits<std::uint64_t>::max()))},
        {"no read-only flag", erase(u"readOnly")},
        {"read-only as an integer", set(u"readOnly", Number::int32(1))},
        {"document path as a number", set(u"documentPath", Number::int32(1))},
        {"a relative document path", set(u"documentPath", u"Index.sealscribe")},
    };
    for (const auto& c : cases) {
        Dictionary dictionary = sampleDictionary();
        c.change(dictionary);
        EXPECT_FALSE(BookmarkRecord::read(binary(dictionary))) << c.name;
    }
}

TEST(BookmarkRecord, AUsablePathIsAbsoluteWithoutNulOrLoneSurrogate) {
    EXPECT_TRUE(BookmarkRecord::isUsablePath(u"/a/b"));
    EXPECT_FALSE(BookmarkRecord::isUsablePath(u""));
    EXPECT_FALSE(BookmarkRecord::isUsablePath(u"a/b"));
    EXPECT_FALSE(BookmarkRecord::isUsablePath(platform::String(u"/a\0b", 4)));
    EXPECT_FALSE(BookmarkRecord::isUsablePath(u"/a\xd800"));
}

} // namespace

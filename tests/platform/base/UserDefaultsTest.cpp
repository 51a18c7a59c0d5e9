#include "platform/base/UserDefaults.h"

#include "platform/base/ManualRunLoop.h"
#include "platform/base/PropertyList.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <mutex>
#include <sys/resource.h>

using namespace platform;
using testsupport::readFile;
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::hours neverByItself{24};

// Collects the store's messages; the store may report from its background queue.
class Messages {
public:
    UserDefaults::MessageSink sink() {
        return [this](const String& message) {
            std::lock_guard lock(mutex_);
            messages_.push_back(toUtf8Lossy(message));
        };
    }
    std::vector<std::string> all() const {
        std::lock_guard lock(mutex_);
        return messages_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> messages_;
};

class UserDefaultsTest : public testing::Test {
protected:
    std::shared_ptr<UserDefaults> makeStore(std::chrono::milliseconds writeDelay = neverByItself) {
        return std::make_shared<UserDefaults>(folder, messages.sink(), writeDelay);
    }
    fs::path settingsPath() const { return folder / UserDefaults::settingsFileName; }

    testsupport::ScratchFolder scratch_;
    const fs::path& folder = scratch_.path();
    Messages messages;
    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
};

const Dictionary registered{
    {u"notifyUpdate", Value(Number::boolean(true))},
    {u"StartupActionTag", Value(Number::int32(0))},
    {u"autolocBackgroundInterval", Value(Number::int32(120))},
    {u"StartupSelectedDoc", Value(u"")},
    {u"StartupFontFamily", Value(u"Helvetica")},
    {u"StartupFontSize", Value(Number::float32(12.0f))},
    {u"StartWithRuler", Value(Number::boolean(false))},
};

} // namespace

TEST_F(UserDefaultsTest, RegisteredDefaultsReadBackTyped) {
    auto store = makeStore();
    store->registerDefaults(registered);

    EXPECT_TRUE(store->boolForKey(u"notifyUpdate"));
    EXPECT_FALSE(store->boolForKey(u"StartWithRuler"));
    EXPECT_EQ(store->integerForKey(u"autolocBackgroundInterval"), 120);
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Helvetica");
    EXPECT_EQ(store->stringForKey(u"StartupSelectedDoc"), u"") << "empty, not none";
    EXPECT_EQ(store->floatForKey(u"StartupFontSize"), 12.0f);
    ASSERT_NE(store->objectForKey(u"StartupFontSize").number(), nullptr);
    EXPECT_EQ(store->objectForKey(u"StartupFontSize").number()->kind(), Number::Kind::Float);
    EXPECT_EQ(store->objectForKey(u"StartupActionTag").number()->kind(), Number::Kind::Int32);

    // Keys that are never registered stay absent until written.
    EXPECT_TRUE(store->objectForKey(u"StartupSelectedDocBookmark").isNone());
    EXPECT_EQ(store->dataForKey(u"StartupSelectedDocBookmark"), std::nullopt);
    EXPECT_EQ(store->dateForKey(u"lastCheckDateForUpdate"), std::nullopt);
    EXPECT_EQ(store->stringForKey(u"lastCheckDateForUpdate"), std::nullopt);
    EXPECT_EQ(store->integerForKey(u"lastCheckDateForUpdate"), 0);
}

TEST_F(UserDefaultsTest, UserValueWinsAndRemovingBringsTheDefaultBack) {
    auto store = makeStore();
    store->registerDefaults(registered);

    store->setInteger(2, u"StartupActionTag");
    store->setObject(Value(u"Courier"), u"StartupFontFamily");
    EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 2);
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Courier");

    store->removeObjectForKey(u"StartupActionTag");
    store->setObject(Value(), u"StartupFontFamily");
    EXPECT_EQ(store->objectForKey(u"StartupActionTag"), Value(Number::int32(0)));
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Helvetica");

    // Registering again merges: new keys join, keys given again take the new default, and
    // a user's value still wins.
    store->setBool(true, u"StartWithRuler");
    store->registerDefaults({{u"StartupFontFamily", Value(u"Nimbus Sans")},
                             {u"StartWithRuler", Value(Number::boolean(false))},
                             {u"extra", Value(Number::int32(7))}});
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Nimbus Sans");
    EXPECT_EQ(store->integerForKey(u"extra"), 7);
    EXPECT_EQ(store->integerForKey(u"autolocBackgroundInterval"), 120);
    EXPECT_TRUE(store->boolForKey(u"StartWithRuler"));
}

TEST_F(UserDefaultsTest, TypedReadsConvertAsThePlatformDoes) {
    struct Case {
        Value stored;
        bool asBool;
        std::int64_t asInteger;
        double asDouble;
        std::optional<String> asString;
    };
    constexpr auto int64Max = std::numeric_limits<std::int64_t>::max();
    const Case cases[] = {
        {Value(Number::boolean(true)), true, 1, 1.0, u"1"},
        {Value(Number::int32(-7)), true, -7, -7.0, u"-7"},
        {Value(Number::float32(12.5f)), true, 12, 12.5, u"12.5"},
        {Value(Number::float64(-35.9)), true, -35, -35.9, u"-35.9"},
        {Value(Number::float64(0.0)), false, 0, 0.0, u"0"},
        {Value(Number::uint64(std::numeric_limits<std::uint64_t>::max())), true, -1,
         18446744073709551615.0, u"18446744073709551615"},
        {Value(u"YES"), true, 0, 0.0, u"YES"},
        {Value(u"true"), true, 0, 0.0, u"true"},
        {Value(u"NO"), false, 0, 0.0, u"NO"},
        {Value(u"  42abc"), true, 42, 42.0, u"  42abc"},
        {Value(u"-1.5e3x"), true, -1, -1500.0, u"-1.5e3x"},
        {Value(u"007"), true, 7, 7.0, u"007"},
        {Value(u"0.5"), false, 0, 0.5, u"0.5"},
        {Value(u"1e"), true, 1, 1.0, u"1e"},
        {Value(u"0x1A"), false, 0, 0.0, u"0x1A"},
        {Value(u"inf"), false, 0, 0.0, u"inf"},
        {Value(u"99999999999999999999"), true, int64Max, 1e20, u"99999999999999999999"},
        {Value(u"-99999999999999999999"), true, std::numeric_limits<std::int64_t>::min(), -1e20,
         u"-99999999999999999999"},
        {Value(Data{1, 2}), false, 0, 0.0, std::nullopt},
        {Value(Date(5.0)), false, 0, 0.0, std::nullopt},
        {Value(Array{Value(u"1")}), false, 0, 0.0, std::nullopt},
    };
    auto store = makeStore();
    for (const Case& c : cases) {
        store->setObject(c.stored, u"key");
        const std::string shown = toUtf8Lossy(store->stringForKey(u"key").value_or(u"(none)"));
        EXPECT_EQ(store->boolForKey(u"key"), c.asBool) << shown;
        EXPECT_EQ(store->integerForKey(u"key"), c.asInteger) << shown;
        EXPECT_DOUBLE_EQ(store->doubleForKey(u"key"), c.asDouble) << shown;
        EXPECT_FLOAT_EQ(store->floatForKey(u"key"), static_cast<float>(c.asDouble)) << shown;
        EXPECT_EQ(store->stringForKey(u"key"), c.asString) << shown;
    }
    EXPECT_EQ(store->dataForKey(u"key"), std::nullopt);
    store->setObject(Value(Data{1, 2}), u"key");
    EXPECT_EQ(store->dataForKey(u"key"), (Data{1, 2}));
    store->setObject(Value(Date(5.0)), u"key");
    EXPECT_EQ(store->dateForKey(u"key"), Date(5.0));
}

TEST_F(UserDefaultsTest, SettersStoreNumbersOfTheirKind) {
    auto store = makeStore();
    store->setBool(true, u"b");
    store->setInteger(-3, u"i");
    store->setFloat(0.25f, u"f");
    EXPECT_EQ(store->objectForKey(u"b").number()->kind(), Number::Kind::Bool);
    EXPECT_EQ(store->objectForKey(u"i").number()->kind(), Number::Kind::Int64);
    EXPECT_EQ(store->objectForKey(u"f").number()->kind(), Number::Kind::Float);
    EXPECT_EQ(store->floatForKey(u"f"), 0.25f);
}

TEST_F(UserDefaultsTest, RefusesValuesThatNoPropertyListCanHold) {
    auto store = makeStore();
    store->setObject(Value(u"kept"), u"key");
    const String loneSurrogate(1, char16_t(0xD800));
    const Value refused[] = {
        Value(std::make_shared<Object>()),
        Value(Set(Array{Value(u"a")})),
        Value(loneSurrogate),
        Value(Array{Value(u"a"), Value()}),
        Value(Dictionary{{loneSurrogate, Value(u"a")}}),
        Value(Dictionary{{u"a", Value(Array{Value(Set())})}}),
        Value(String(u"nul\0inside", 10)),
        Value(Number::float64(std::numeric_limits<double>::quiet_NaN())),
        Value(Date(1e12)), // beyond the year 9999
    };
    for (const Value& value : refused)
        store->setObject(value, u"key");
    store->setObject(Value(u"x"), loneSurrogate);
    EXPECT_EQ(store->objectForKey(u"key"), Value(u"kept"));
    EXPECT_TRUE(store->objectForKey(loneSurrogate).isNone());
    ASSERT_EQ(messages.all().size(), std::size(refused) + 1);
    EXPECT_NE(messages.all()[0].find("\u201Ckey\u201D"), std::string::npos) << messages.all()[0];
}

TEST_F(UserDefaultsTest, KeyValueCodingReadsWritesAndTellsObservers) {
    auto store = makeStore();
    store->registerDefaults(registered);
    std::vector<Value> seen;
    auto observation =
        store->addObserver(u"StartupFontSize", [&](const Value& v) { seen.push_back(v); });
    std::vector<String> changedKeys;
    auto anyKey = store->addChangeObserver([&](const String& key) { changedKeys.push_back(key); });

    store->setValueForKey(Value(Number::float32(14.0f)), u"StartupFontSize");
    EXPECT_EQ(store->valueForKey(u"StartupFontSize"), Value(Number::float32(14.0f)));
    store->setFloat(16.0f, u"StartupFontSize");
    store->removeObjectForKey(u"StartupFontSize");
    store->removeObjectForKey(u"StartupFontSize"); // nothing left to remove: no change
    store->registerDefaults({{u"StartupFontSize", Value(Number::float32(11.0f))}});
    store->registerDefaults({{u"StartupFontSize", Value(Number::float32(11.0f))}}); // same

    const std::vector<Value> expected{Value(Number::float32(14.0f)), Value(Number::float32(16.0f)),
                                      Value(Number::float32(12.0f)), Value(Number::float32(11.0f))};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(changedKeys, std::vector<String>(4, u"StartupFontSize"));

    // A new default under a user's value changes nothing that anyone sees.
    store->setFloat(20.0f, u"StartupFontSize");
    store->registerDefaults({{u"StartupFontSize", Value(Number::float32(9.0f))}});
    EXPECT_EQ(seen.size(), 5u);

    store->setValueForKey(Value(Data{7}), u"StartupSelectedDocBookmark");
    EXPECT_EQ(store->valueForKey(u"StartupSelectedDocBookmark"), Value(Data{7}));
    EXPECT_EQ(changedKeys.back(), u"StartupSelectedDocBookmark");

    anyKey.cancel();
    store->setBool(true, u"other");
    EXPECT_EQ(changedKeys.back(), u"StartupSelectedDocBookmark");
}

namespace {

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool mentions(const std::vector<std::string>& messages, std::string_view words) {
    return std::any_of(messages.begin(), messages.end(), [&](const std::string& message) {
        return message.find(words) != std::string::npos;
    });
}

} // namespace

TEST_F(UserDefaultsTest, UserValuesSurviveANewStoreWithTheirKinds) {
    const Dictionary values{
        {u"StartWithRuler", Value(Number::boolean(true))},
        {u"StartupActionTag", Value(Number::int32(-3))},
        {u"big", Value(Number::int64(std::int64_t(1) << 40))},
        {u"huge", Value(Number::uint64(std::numeric_limits<std::uint64_t>::max()))},
        {u"StartupFontSize", Value(Number::float32(13.5f))},
        {u"ratio", Value(Number::float64(0.1))},
        {u"StartupFontFamily", Value(u"Nimbus Sans \u00E9 \U0001F600 <&>")},
        {u"StartupSelectedDocBookmark", Value(Data{0, 1, 0xFF, '<'})},
        {u"empty", Value(Data{})},
        {u"lastCheckDateForUpdate", Value(Date(786297600.0))},
        {u"list", Value(Array{Value(u"a"), Value(Number::int32(1))})},
        {u"nested", Value(Dictionary{{u"k", Value(Array{})}})},
    };
    {
        auto store = makeStore();
        store->registerDefaults(registered);
        for (const auto& [key, value] : values)
            store->setObject(value, key);
        store->setObject(Value(Date(786297600.75)), u"moment");
        ASSERT_TRUE(store->synchronize());
    }
    auto reopened = makeStore();
    for (const auto& [key, value] : values) {
        const Value read = reopened->objectForKey(key);
        EXPECT_EQ(read, value) << toUtf8Lossy(key);
        if (value.number() && read.number()) {
            EXPECT_EQ(read.number()->kind(), value.number()->kind()) << toUtf8Lossy(key);
        }
    }
    // The file keeps dates to the second.
    ASSERT_TRUE(reopened->dateForKey(u"moment"));
    EXPECT_NEAR(reopened->dateForKey(u"moment")->timeIntervalSinceReferenceDate(), 786297600.75,
                1.0);
    EXPECT_TRUE(reopened->objectForKey(u"notifyUpdate").isNone()) << "defaults are not stored";
    EXPECT_EQ(readFile(settingsPath()).find("notifyUpdate"), std::string::npos);
    EXPECT_TRUE(messages.all().empty());
}

TEST_F(UserDefaultsTest, WritesOnSynchronizeAndAtTheEndRatherThanPerChange) {
    auto store = makeStore();
    for (int i = 0; i < 1000; ++i)
        store->setInteger(i, u"counter");
    EXPECT_FALSE(fs::exists(settingsPath())) << "no write per setter call";
    EXPECT_TRUE(store->synchronize());
    EXPECT_EQ(makeStore()->integerForKey(u"counter"), 999);

    store->setInteger(5, u"counter");
    store.reset();
    EXPECT_EQ(makeStore()->integerForKey(u"counter"), 5) << "written when the store ended";
}

TEST_F(UserDefaultsTest, WritesByItselfTheDelayAfterTheFirstChangeOfABurst) {
    auto store = makeStore(std::chrono::milliseconds(1000));
    auto written = [&](std::int64_t counter) {
        return fs::exists(settingsPath()) && makeStore()->integerForKey(u"counter") == counter;
    };
    store->setInteger(0, u"counter");
    loop.advance(0.5);
    for (int i = 1; i <= 200; ++i)
        store->setInteger(i, u"counter");
    loop.advance(0.25);
    EXPECT_FALSE(fs::exists(settingsPath()));
    loop.advance(0.25);
    EXPECT_TRUE(written(200)) << "the write takes the changes made meanwhile";

    store->setInteger(201, u"counter");
    loop.advance(0.75);
    EXPECT_TRUE(written(200));
    loop.advance(0.25);
    EXPECT_TRUE(written(201));
    EXPECT_TRUE(messages.all().empty());
}

TEST(UserDefaultsWithoutARunLoop, WritesEachChangeAtOnce) {
    const testsupport::ScratchFolder scratch;
    const auto ignore = [](const String&) {};
    UserDefaults store(scratch.path(), ignore, std::chrono::milliseconds(1000));
    store.setInteger(7, u"counter");
    EXPECT_EQ(UserDefaults(scratch.path(), ignore).integerForKey(u"counter"), 7);
}

TEST_F(UserDefaultsTest, AFailedWriteLeavesTheOldFileAndIsReported) {
    const fs::path moved = folder.string() + ".moved";
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        std::function<void()> repair;
        fs::path oldFile; // where the old file must be found intact, if it stays
    };
    const Case cases[] = {
        {"the file cannot grow",
         [] {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit small{64, RLIM_INFINITY};
             ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
         },
         [] {
             const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
             ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &unlimited), 0);
             std::signal(SIGXFSZ, SIG_DFL);
         },
         settingsPath()},
        {"the settings path is a directory",
         [&] {
             fs::remove(settingsPath());
             fs::create_directories(settingsPath() / "inside");
         },
         [&] { fs::remove_all(settingsPath()); },
         {}},
        {"the folder is a file",
         [&] {
             fs::rename(folder, moved);
             writeFile(folder, "a file");
         },
         [&] {
             fs::remove(folder);
             fs::rename(moved, folder);
         },
         moved / UserDefaults::settingsFileName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto store = makeStore();
        store->setObject(Value(u"old"), u"key");
        ASSERT_TRUE(store->synchronize());
        const std::string oldBytes = readFile(settingsPath());
        const auto before = messages.all().size();

        store->setObject(Value(String(4000, u'n')), u"key");
        c.breakIt();
        const bool saved = store->synchronize();
        const std::string kept = c.oldFile.empty() ? "" : readFile(c.oldFile);
        c.repair();

        EXPECT_FALSE(saved);
        ASSERT_EQ(messages.all().size(), before + 1);
        EXPECT_TRUE(mentions(messages.all(), "could not be saved")) << messages.all().back();
        if (!c.oldFile.empty()) {
            EXPECT_EQ(kept, oldBytes);
        }
        for (const auto& name : filesIn(folder))
            EXPECT_EQ(name, UserDefaults::settingsFileName) << "no temporary file is left behind";

        // The change is not lost: the next write takes it.
        EXPECT_TRUE(store->synchronize());
        EXPECT_EQ(makeStore()->stringForKey(u"key"), String(4000, u'n'));
        fs::remove_all(settingsPath());
    }
}

TEST_F(UserDefaultsTest, ADamagedFileIsMovedAsideAndTheDefaultsAreUsed) {
    struct Case {
        const char* name;
        std::function<void()> damage;
    };
    const Case cases[] = {
        {"not a property list", [&] { writeFile(settingsPath(), "not a plist \x01\x02"); }},
        {"binary and truncated", [&] { writeFile(settingsPath(), "bplist00\xd1\x01\x02"); }},
        {"root is no dictionary",
         [&] {
             writeFile(settingsPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist "
                                       "version=\"1.0\"><array><string>a</string></array>"
                                       "</plist>\n");
         }},
        {"a directory", [&] { fs::create_directories(settingsPath() / "inside"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.damage();
        const bool wasDirectory = fs::is_directory(settingsPath());
        const std::string damaged = wasDirectory ? "" : readFile(settingsPath());
        const auto before = messages.all().size();

        auto store = makeStore();
        store->registerDefaults(registered);
        EXPECT_EQ(store->integerForKey(u"autolocBackgroundInterval"), 120);
        ASSERT_EQ(messages.all().size(), before + 1);
        const std::string message = messages.all().back();
        EXPECT_NE(message.find("damaged"), std::string::npos) << message;

        // Only the damaged file is there, under its new name, which the message gives.
        const auto files = filesIn(folder);
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0].string().rfind("Settings.plist.damaged-", 0), 0u) << files[0];
        EXPECT_NE(message.find((folder / files[0]).string()), std::string::npos) << message;
        if (wasDirectory) {
            EXPECT_TRUE(fs::is_directory(folder / files[0] / "inside"));
        } else {
            EXPECT_EQ(readFile(folder / files[0]), damaged);
        }

        store->setBool(true, u"StartWithRuler");
        EXPECT_TRUE(store->synchronize());
        EXPECT_TRUE(makeStore()->boolForKey(u"StartWithRuler"));
        store.reset();
        fs::remove_all(folder);
        fs::create_directory(folder);
    }
}

TEST_F(UserDefaultsTest, EveryDamagedFileIsKept) {
    for (int i = 0; i < 3; ++i) {
        writeFile(settingsPath(), "damaged " + std::to_string(i));
        (void)makeStore();
    }
    const auto files = filesIn(folder);
    ASSERT_EQ(files.size(), 3u);
    std::vector<std::string> contents;
    for (const auto& name : files)
        contents.push_back(readFile(folder / name));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"damaged 0", "damaged 1", "damaged 2"}));
}

TEST_F(UserDefaultsTest, ADamagedFileThatCannotBeMovedAsideIsNeverOverwritten) {
    // A folder so deep that the settings file's path fits the system's limit but the
    // name it would be moved to does not.
    const std::size_t folderLength = PATH_MAX - 1 - std::strlen("/Settings.plist") - 4;
    fs::path deep = folder;
    while (deep.string().size() + 1 + 200 < folderLength - 20)
        deep /= std::string(200, 'd');
    deep /= std::string(folderLength - deep.string().size() - 1, 'e');
    ASSERT_EQ(deep.string().size(), folderLength);
    fs::create_directories(deep);
    const fs::path path = deep / UserDefaults::settingsFileName;
    writeFile(path, "damaged");

    {
        UserDefaults store(deep, messages.sink(), neverByItself);
        ASSERT_EQ(messages.all().size(), 1u);
        EXPECT_TRUE(mentions(messages.all(), "could not be moved aside")) << messages.all()[0];
        store.setBool(true, u"StartWithRuler");
        EXPECT_FALSE(store.synchronize());
    }
    EXPECT_EQ(readFile(path), "damaged");
    EXPECT_EQ(filesIn(deep), std::vector<fs::path>{UserDefaults::settingsFileName});
}

TEST_F(UserDefaultsTest, AFileOfAnotherWriterKeepsWhatOursCanKeep) {
    // A binary list, as the platform's own store writes, with a date that XML cannot hold.
    const auto bytes = PropertyList::write(
        Value(Dictionary{{u"StartupActionTag", Value(Number::int32(2))},
                         {u"far", Value(Date(1e12))},
                         {u"lastCheckDateForUpdate", Value(Date(786297600.0))}}),
        PropertyListFormat::Binary);
    ASSERT_TRUE(bytes);
    writeFile(settingsPath(), bytesOf(*bytes));

    {
        auto store = makeStore();
        EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 2);
        EXPECT_EQ(store->dateForKey(u"lastCheckDateForUpdate"), Date(786297600.0));
        EXPECT_TRUE(store->objectForKey(u"far").isNone());
        ASSERT_EQ(messages.all().size(), 1u);
        EXPECT_TRUE(mentions(messages.all(), "\u201C"
                                             "far"
                                             "\u201D"))
            << messages.all()[0];
    }
    // The original is kept aside, and the rest is written again though nothing changed.
    const auto files = filesIn(folder);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(readFile(folder / files[1]), bytesOf(*bytes));
    EXPECT_EQ(makeStore()->integerForKey(u"StartupActionTag"), 2);
    EXPECT_EQ(messages.all().size(), 1u);
}

#include "platform/system/BookmarkData.h"

#include "platform/base/PropertyList.h"
#include "platform/system/BookmarkRecord.h"
#include "platform/system/FileAccess.h"
#include "platform/system/FileIdentity.h"
#include "platform/system/SystemEnvironment.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::BookmarkData;
using platform::BookmarkOptions;
using platform::BookmarkRecord;
using platform::Data;
using platform::FileAccess;
using platform::FileIdentity;
using platform::URL;
using testsupport::pathString;
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t readWrite = BookmarkOptions::creationWithSecurityScope;
constexpr std::uint64_t readOnly = BookmarkOptions::creationWithSecurityScope |
                                   BookmarkOptions::creationSecurityScopeAllowOnlyReadAccess;

URL urlOf(const fs::path& path) {
    return URL::fileURLWithPath(pathString(path)).value();
}

struct Resolved {
    std::optional<URL> url;
    bool stale = true;
};

class BookmarkDataTest : public testing::Test {
protected:
    platform::SystemEnvironment environment_;
    testsupport::ScratchFolder folder_;
    fs::path file_ = folder_ / "Notes.sealscribe";
    fs::path document_ = folder_ / "Index.sealscribe";

    void SetUp() override { testsupport::writeFile(file_, "first"); }

    Data bookmark(std::uint64_t options = readWrite,
                  const std::optional<URL>& relativeTo = std::nullopt) const {
        auto data = BookmarkData::bookmarkDataWithOptions(urlOf(file_), options, relativeTo);
        EXPECT_TRUE(data);
        return data.value_or(Data{});
    }

    static Resolved resolve(const Data& data, const std::optional<URL>& relativeTo = std::nullopt) {
        Resolved resolved;
        auto url = BookmarkData::URLByResolvingBookmarkData(
            data, BookmarkOptions::resolutionWithSecurityScope, relativeTo, resolved.stale);
        if (url)
            resolved.url = *url;
        return resolved;
    }

    // A new file written beside the old one and renamed over it, as a safe save does.
    void saveSafely(const std::string& contents) const {
        const fs::path temporary = folder_ / ".save";
        testsupport::writeFile(temporary, contents);
        fs::rename(temporary, file_);
    }
};

TEST_F(BookmarkDataTest, ResolvesToTheFileAtThePathNotStale) {
    const Resolved resolved = resolve(bookmark());
    EXPECT_EQ(resolved.url, urlOf(file_));
    EXPECT_FALSE(resolved.stale);
}

TEST_F(BookmarkDataTest, ASafeSaveAtThePathStillResolvesNotStale) {
    const Data data = bookmark();
    const auto before = FileIdentity::ofRegularFileAt(file_.string());
    saveSafely("second, longer");
    ASSERT_NE(FileIdentity::ofRegularFileAt(file_.string())->inode, before->inode);

    const Resolved resolved = resolve(data);
    EXPECT_EQ(resolved.url, urlOf(file_));
    EXPECT_FALSE(resolved.stale);
}

TEST_F(BookmarkDataTest, ARenameInTheFolderIsFoundAndStale) {
    const Data data = bookmark();
    fs::create_directory(folder_ / "a folder");
    testsupport::writeFile(folder_ / "another file", "first");
    const fs::path renamed = folder_ / "Renamed \u00e9.sealscribe";
    fs::rename(file_, renamed);

    const Resolved resolved = resolve(data);
    EXPECT_EQ(resolved.url, urlOf(renamed));
    EXPECT_TRUE(resolved.stale);
}

TEST_F(BookmarkDataTest, WhatIsNoLongerTheFileDoesNotResolve) {
    const struct {
        const char* name;
        std::function<void(const fs::path& file, const fs::path& folder)> change;
    } cases[] = {
        {"deleted", [](const fs::path& file, const fs::path&) { fs::remove(file); }},
        {"moved to another folder",
         [](const fs::path& file, const fs::path& folder) {
             fs::create_directory(folder / "elsewhere");
             fs::rename(file, folder / "elsewhere" / file.filename());
         }},
        {"a FIFO in its place",
         [](const fs::path& file, const fs::path&) {
             fs::remove(file);
             ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
         }},
        {"a folder in its place",
         [](const fs::path& file, const fs::path&) {
             fs::remove(file);
             fs::create_directory(file);
         }},
    };
    for (const auto& c : cases) {
        const testsupport::ScratchFolder folder;
        const fs::path file = folder / "Notes.sealscribe";
        testsupport::writeFile(file, "first");
        const auto data =
            BookmarkData::bookmarkDataWithOptions(urlOf(file), readWrite, std::nullopt);
        ASSERT_TRUE(data) << c.name;
        c.change(file, folder.path());

        const Resolved resolved = resolve(*data);
        EXPECT_FALSE(resolved.url) << c.name;
        EXPECT_FALSE(resolved.stale) << c.name;
    }
}

// An inode number can be given again to a new file: only the same size and modification
// time make it the bookmarked file.
TEST_F(BookmarkDataTest, AReusedInodeNumberWithAnotherSizeOrTimeIsNotTaken) {
    const auto identity = FileIdentity::ofRegularFileAt(file_.string()).value();
    const auto recordFor = [&](platform::FileIdentity recorded) {
        BookmarkRecord record;
        record.path = pathString(folder_ / "gone.sealscribe");
        record.identity = recorded;
        return record.write().value();
    };
    auto otherSize = identity;
    otherSize.size += 1;
    auto otherTime = identity;
    otherTime.modificationTime += 1;
    auto otherDevice = identity;
    otherDevice.device += 1;

    EXPECT_EQ(resolve(recordFor(identity)).url, urlOf(file_));
    EXPECT_FALSE(resolve(recordFor(otherSize)).url);
    EXPECT_FALSE(resolve(recordFor(otherTime)).url);
    EXPECT_FALSE(resolve(recordFor(otherDevice)).url);
}

TEST_F(BookmarkDataTest, ADocumentBookmarkResolvesOnlyForItsDocument) {
    const Data relative = bookmark(readWrite, urlOf(document_));
    const Data standalone = bookmark();

    EXPECT_EQ(resolve(relative, urlOf(document_)).url, urlOf(file_));
    EXPECT_FALSE(resolve(relative, urlOf(folder_ / "Other.sealscribe")).url);
    EXPECT_FALSE(resolve(relative).url);
    EXPECT_FALSE(resolve(standalone, urlOf(document_)).url);
    EXPECT_FALSE(resolve(relative, URL::URLWithString(u"http://example.org/Index.sealscribe")).url);
}

TEST_F(BookmarkDataTest, OnlyARegularFileCanBeBookmarked) {
    ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    const std::optional<URL> urls[] = {
        urlOf(folder_.path()),
        urlOf(folder_ / "missing"),
        urlOf(folder_ / "fifo"),
        URL::fileURLWithPath(u"/dev/null"),
        URL::URLWithString(u"http://example.org/Notes.sealscribe"),
    };
    for (const auto& url : urls) {
        ASSERT_TRUE(url);
        EXPECT_FALSE(BookmarkData::bookmarkDataWithOptions(*url, readWrite, std::nullopt))
            << platform::toUtf8Lossy(url->absoluteString());
    }
    EXPECT_FALSE(BookmarkData::bookmarkDataWithOptions(urlOf(file_), readWrite,
                                                       URL::URLWithString(u"http://example.org/")));
}

TEST_F(BookmarkDataTest, ResolvingWithTheScopeGrantsTheBookmarksAccess) {
    const auto access = FileAccess::sharedFileAccess();
    EXPECT_FALSE(access->grantFor(urlOf(file_)));

    bool stale = true;
    ASSERT_TRUE(
        BookmarkData::URLByResolvingBookmarkData(bookmark(readOnly), 0, std::nullopt, stale));
    EXPECT_FALSE(access->grantFor(urlOf(file_)));

    resolve(bookmark(readOnly));
    EXPECT_EQ(access->grantFor(urlOf(file_)), FileAccess::Grant::ReadOnly);
    resolve(bookmark(readWrite));
    EXPECT_EQ(access->grantFor(urlOf(file_)), FileAccess::Grant::ReadWrite);
}

TEST_F(BookmarkDataTest, GarbageDoesNotResolveAndIsNotStale) {
    for (const Data& data : {Data{}, platform::dataFromBytes("bplist00 garbage")}) {
        const Resolved resolved = resolve(data);
        EXPECT_FALSE(resolved.url);
        EXPECT_FALSE(resolved.stale);
    }
}

} // namespace

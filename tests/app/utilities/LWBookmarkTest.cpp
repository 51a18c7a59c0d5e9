#include "app/utilities/LWBookmark.h"

#include "platform/system/FileAccess.h"
#include "platform/system/RecordingFileAccess.h"
#include "platform/system/SystemEnvironment.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::Data;
using platform::FileAccess;
using platform::URL;
namespace fs = std::filesystem;

namespace {

URL urlOf(const fs::path& path) {
    return URL::fileURLWithPath(testsupport::pathString(path)).value();
}

class LWBookmarkTest : public testing::Test {
protected:
    platform::SystemEnvironment environment_;
    std::shared_ptr<platform::RecordingFileAccess> access_ =
        std::make_shared<platform::RecordingFileAccess>();
    testsupport::ScratchFolder folder_;
    fs::path file_ = folder_ / "Notes.sealscribe";
    URL url_ = urlOf(file_);
    URL document_ = urlOf(folder_ / "Index.sealscribe");

    void SetUp() override {
        FileAccess::setSharedFileAccess(access_);
        testsupport::writeFile(file_, "body");
    }
};

TEST_F(LWBookmarkTest, AReadWriteBookmarkResolvesBackNotStaleAndGrantsWriting) {
    const auto data = LWBookmark::bookmarkForURL_RW(url_);
    ASSERT_TRUE(data);
    bool isStale = true;
    EXPECT_EQ(LWBookmark::urlForBookmark(*data, isStale), url_);
    EXPECT_FALSE(isStale);
    EXPECT_EQ(access_->grantFor(url_), FileAccess::Grant::ReadWrite);
    EXPECT_TRUE(access_->startAccessingSecurityScopedResource(url_));
}

TEST_F(LWBookmarkTest, AReadOnlyBookmarkGrantsReadingOnly) {
    const auto data = LWBookmark::bookmarkForURL_RO(url_);
    ASSERT_TRUE(data);
    bool isStale = true;
    EXPECT_EQ(LWBookmark::urlForBookmark(*data, isStale), url_);
    EXPECT_EQ(access_->grantFor(url_), FileAccess::Grant::ReadOnly);
}

TEST_F(LWBookmarkTest, ARenamedFileResolvesStale) {
    const auto data = LWBookmark::bookmarkForURL_RW(url_);
    fs::rename(file_, folder_ / "Renamed.sealscribe");
    bool isStale = false;
    EXPECT_EQ(LWBookmark::urlForBookmark(data, isStale), urlOf(folder_ / "Renamed.sealscribe"));
    EXPECT_TRUE(isStale);
}

TEST_F(LWBookmarkTest, NoDataEmptyDataAndGarbageGiveNoneAndClearTheFlag) {
    const std::optional<Data> inputs[] = {std::nullopt, Data{}, platform::dataFromBytes("abc")};
    for (const auto& input : inputs) {
        bool isStale = true;
        EXPECT_FALSE(LWBookmark::urlForBookmark(input, isStale));
        EXPECT_FALSE(isStale);
        isStale = true;
        EXPECT_FALSE(LWBookmark::urlForDocBookmark(input, document_, isStale));
        EXPECT_FALSE(isStale);
    }
}

TEST_F(LWBookmarkTest, AMissingFileGivesNoneFromEveryMaker) {
    const URL missing = urlOf(folder_ / "missing.sealscribe");
    EXPECT_FALSE(LWBookmark::bookmarkForURL_RO(missing));
    EXPECT_FALSE(LWBookmark::bookmarkForURL_RW(missing));
    EXPECT_FALSE(LWBookmark::docBookmarkForURL_RO(missing, document_));
    EXPECT_FALSE(LWBookmark::docBookmarkForURL_RW(missing, document_));
}

TEST_F(LWBookmarkTest, DocumentBookmarksResolveOnlyWithTheSameDocument) {
    const URL other = urlOf(folder_ / "Other.sealscribe");
    const struct {
        const char* name;
        std::optional<Data> data;
        FileAccess::Grant grant;
    } cases[] = {
        {"read-only", LWBookmark::docBookmarkForURL_RO(url_, document_),
         FileAccess::Grant::ReadOnly},
        {"read-write", LWBookmark::docBookmarkForURL_RW(url_, document_),
         FileAccess::Grant::ReadWrite},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.data) << c.name;
        bool isStale = true;
        EXPECT_EQ(LWBookmark::urlForDocBookmark(c.data, document_, isStale), url_) << c.name;
        EXPECT_FALSE(isStale) << c.name;
        EXPECT_EQ(access_->grantFor(url_), c.grant) << c.name;
        EXPECT_FALSE(LWBookmark::urlForDocBookmark(c.data, other, isStale)) << c.name;
        EXPECT_FALSE(LWBookmark::urlForBookmark(c.data, isStale)) << c.name;
    }
    bool isStale = true;
    EXPECT_FALSE(
        LWBookmark::urlForDocBookmark(LWBookmark::bookmarkForURL_RW(url_), document_, isStale));
}

} // namespace

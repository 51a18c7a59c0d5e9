#include "platform/system/FileAccess.h"

#include "platform/system/FileSystemAccess.h"
#include "platform/system/RecordingFileAccess.h"
#include "platform/system/SystemEnvironment.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::FileAccess;
using platform::FileSystemAccess;
using platform::RecordingFileAccess;
using platform::URL;
using Grant = FileAccess::Grant;
namespace fs = std::filesystem;

namespace {

URL urlOf(const fs::path& path) {
    return URL::fileURLWithPath(testsupport::pathString(path)).value();
}

class FileAccessTest : public testing::Test {
protected:
    testsupport::ScratchFolder folder_;
    fs::path file_ = folder_ / "Notes.sealscribe";
    URL url_ = urlOf(file_);

    void SetUp() override { testsupport::writeFile(file_, "body"); }
};

TEST_F(FileAccessTest, TheFileSystemGrantsOnlyWhatAResolvedBookmarkGranted) {
    FileSystemAccess access;
    EXPECT_FALSE(access.startAccessingSecurityScopedResource(url_));

    for (const Grant grant : {Grant::ReadOnly, Grant::ReadWrite}) {
        access.grant(url_, grant);
        EXPECT_TRUE(access.startAccessingSecurityScopedResource(url_));
        access.stopAccessingSecurityScopedResource(url_);
        EXPECT_TRUE(access.startAccessingSecurityScopedResource(url_));
    }
}

TEST_F(FileAccessTest, TheFileSystemRefusesWhatIsNoLongerARegularFile) {
    FileSystemAccess access;
    access.grant(url_, Grant::ReadOnly);
    fs::remove(file_);
    EXPECT_FALSE(access.startAccessingSecurityScopedResource(url_));
    // Never opened, so it cannot block.
    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
    EXPECT_FALSE(access.startAccessingSecurityScopedResource(url_));
}

TEST_F(FileAccessTest, AReadOnlyGrantAsksForReadingOnly) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "file modes refuse nothing to root";
    fs::permissions(file_, fs::perms::owner_read);
    FileSystemAccess access;
    access.grant(url_, Grant::ReadOnly);
    EXPECT_TRUE(access.startAccessingSecurityScopedResource(url_));
    access.grant(url_, Grant::ReadWrite);
    EXPECT_FALSE(access.startAccessingSecurityScopedResource(url_));
}

TEST_F(FileAccessTest, TheRecordingAccessCountsAndRefusesAsTold) {
    const platform::SystemEnvironment environment;
    const auto recording = std::make_shared<RecordingFileAccess>();
    FileAccess::setSharedFileAccess(recording);
    ASSERT_EQ(FileAccess::sharedFileAccess(), recording);

    const URL other = urlOf(folder_ / "other");
    recording->grant(url_, Grant::ReadWrite);
    EXPECT_TRUE(recording->startAccessingSecurityScopedResource(url_));
    EXPECT_FALSE(recording->startAccessingSecurityScopedResource(other));
    recording->setRefusing(true);
    EXPECT_FALSE(recording->startAccessingSecurityScopedResource(url_));
    recording->stopAccessingSecurityScopedResource(url_);

    EXPECT_EQ(recording->starts(), (std::vector<URL>{url_, other, url_}));
    EXPECT_EQ(recording->stops(), std::vector<URL>{url_});

    FileAccess::setSharedFileAccess(nullptr);
    EXPECT_NE(FileAccess::sharedFileAccess(), recording);
}

} // namespace

#include "platform/base/FileManager.h"

#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using platform::FileManager;
using platform::String;

namespace {

class FileManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "dir");
        std::ofstream(folder_ / "file \u00e9") << "x";
        std::filesystem::create_symlink(folder_ / "dir", folder_ / "link to dir");
        std::filesystem::create_symlink(folder_ / "gone", folder_ / "dangling");
    }
    String path(const std::string& name) const {
        return *platform::fromUtf8((folder_ / name).native());
    }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& folder_ = scratch_.path();
};

} // namespace

TEST_F(FileManagerTest, TellsFilesFromDirectories) {
    struct Case {
        const char* name;
        bool exists;
        bool isDirectory;
    };
    const Case cases[] = {
        {"file \u00e9", true, false},    {"dir", true, true},        {"dir/", true, true},
        {"link to dir", true, true},     {"dangling", false, false}, {"missing", false, false},
        {"file \u00e9/x", false, false},
    };
    const auto manager = FileManager::defaultManager();
    for (const auto& c : cases) {
        bool isDirectory = !c.isDirectory; // the answer overwrites it
        EXPECT_EQ(manager.fileExistsAtPath(path(c.name), &isDirectory), c.exists) << c.name;
        EXPECT_EQ(isDirectory, c.isDirectory) << c.name;
        EXPECT_EQ(manager.fileExistsAtPath(path(c.name)), c.exists) << c.name;
    }
}

TEST_F(FileManagerTest, PathsWithoutAPosixFormNameNothing) {
    const auto manager = FileManager::defaultManager();
    bool isDirectory = true;
    EXPECT_FALSE(manager.fileExistsAtPath(u"", &isDirectory));
    EXPECT_FALSE(isDirectory);
    EXPECT_FALSE(manager.fileExistsAtPath(path("dir") + String(1, char16_t(0xD800))));
    EXPECT_FALSE(manager.fileExistsAtPath(path("dir") + String(1, u'\0') + u"x"))
        << "a NUL must not cut the path short";
}

#include "platform/base/FileManager.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using platform::FileManager;
using platform::String;

namespace {

class FileManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("FileManagerTest-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_ / "dir");
        std::ofstream(folder_ / "file \u00e9") << "x";
        std::filesystem::create_symlink(folder_ / "dir", folder_ / "link to dir");
        std::filesystem::create_symlink(folder_ / "gone", folder_ / "dangling");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    String path(const std::string& name) const {
        return *platform::fromUtf8((folder_ / name).native());
    }

    std::filesystem::path folder_;
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

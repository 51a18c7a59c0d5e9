#include "platform/base/FileWriter.h"

#include "support/Files.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using namespace testsupport;
using platform::String;
namespace fs = std::filesystem;

namespace {

// Writes half of the bytes and then fails, as a disk that fills up does; notes what the
// folder holds meanwhile, which is what a save killed then would leave.
class HalfWriter : public FileWriter {
public:
    explicit HalfWriter(fs::path folder) : folder_(std::move(folder)) {}

    std::vector<std::string> seenWhileWriting;

protected:
    Result<> writeBytes(int fd, const Data& data) override {
        const Data half(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 2));
        EXPECT_TRUE(FileWriter::writeBytes(fd, half));
        seenWhileWriting = filesIn(folder_);
        return failure(Error::fromErrno(ENOSPC));
    }

private:
    fs::path folder_;
};

// Replaces the file but cannot flush its folder, as a failing disk may not.
class UnflushedFolderWriter : public FileWriter {
protected:
    Result<> flushFolder(int) override { return failure(Error::fromErrno(EIO)); }
};

class FileWriterTest : public testing::Test {
protected:
    ScratchFolder folder;
    FileWriter writer;
};

TEST_F(FileWriterTest, WritesANewFileAndReplacesAnOldOneWhole) {
    const auto path = folder / "notes.sealscribe";
    const auto first = writer.writeData(dataFromBytes("first version"), pathString(path));
    ASSERT_TRUE(first) << messageOf(first);
    EXPECT_EQ(first->warning, std::nullopt);
    EXPECT_EQ(readFile(path), "first version");
    EXPECT_TRUE(writer.writeData(dataFromBytes("second"), pathString(path)));
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"notes.sealscribe"})
        << "no temporary file is left beside it";
}

TEST_F(FileWriterTest, AFailureHalfWayLeavesTheOldFileAsItWas) {
    const auto path = folder / "notes.sealscribe";
    writeFile(path, "the old content, which must survive");
    HalfWriter failing(folder.path());
    const auto result =
        failing.writeData(dataFromBytes("a new content that never arrives"), pathString(path));
    EXPECT_EQ(messageOf(result), "No space left on device");
    EXPECT_EQ(readFile(path), "the old content, which must survive");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"notes.sealscribe"});
    // The bytes go to a file without a name.
    EXPECT_EQ(failing.seenWhileWriting, std::vector<std::string>{"notes.sealscribe"});
}

TEST_F(FileWriterTest, ReportsWhatItCannotWrite) {
    writeFile(folder / "plain", "a file, not a folder");
    fs::create_directory(folder / "folder");
    const struct {
        fs::path path;
        std::string reason;
    } cases[] = {
        {folder / "plain" / "notes.sealscribe", "Not a directory"},
        {folder / "missing" / "notes.sealscribe", "No such file or directory"},
        {folder / "folder", "Is a directory"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_EQ(messageOf(writer.writeData(dataFromBytes("x"), pathString(path))), reason)
            << path;
    }
    EXPECT_EQ(readFile(folder / "plain"), "a file, not a folder");
}

TEST_F(FileWriterTest, AFolderThatCannotBeFlushedIsAWarningAfterTheReplacement) {
    const auto path = folder / "notes.sealscribe";
    writeFile(path, "old");
    UnflushedFolderWriter unflushed;
    const auto result = unflushed.writeData(dataFromBytes("new"), pathString(path));
    ASSERT_TRUE(result) << messageOf(result);
    EXPECT_EQ(result->warning, Error::fromErrno(EIO));
    EXPECT_EQ(result->warning->message, u"Input/output error");
    EXPECT_EQ(readFile(path), "new");
}

TEST_F(FileWriterTest, KeepsTheOldFilesPermissionsAndItsLink) {
    const auto target = folder / "target.sealscribe";
    const auto link = folder / "link.sealscribe";
    writeFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, link);

    EXPECT_TRUE(writer.writeData(dataFromBytes("new"), pathString(link)));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "new");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(folder.path()),
              (std::vector<std::string>{"link.sealscribe", "target.sealscribe"}));

    // A new file has the usual permissions, not those of an unnamed file.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(writer.writeData(dataFromBytes("new"), pathString(folder / "fresh")));
    ::umask(mask);
    ASSERT_EQ(::stat((folder / "fresh").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

// A save killed between naming its file and the rename leaves that name; the next save of
// the same file removes it, and nothing that only looks like it.
TEST_F(FileWriterTest, ASaveRemovesItsFilesLeftoversAndNothingElse) {
    const std::string longName(200, 'n');
    const std::string longPrefix = "." + longName.substr(0, 128) + ".saving-";
    enum Kind { File, Folder, Link };
    const struct {
        std::string name;
        Kind kind;
        bool removed;
    } cases[] = {
        {".notes.sealscribe.saving-1804289383", File, true},
        {".notes.sealscribe.saving-0", File, true},
        {longPrefix + "846930886", File, true},
        {".notes.sealscribe.saving-aZ09qX", File, true},
        {longPrefix + "Q7x0Lp", File, true},
        {".notes.sealscribe.saving-aZ09q", File, false},
        {".notes.sealscribe.saving-aZ09qXy", File, false},
        {".notes.sealscribe.saving-aZ0-qX", File, false},
        {".other.sealscribe.saving-aZ09qX", File, false},
        {".other.sealscribe.saving-1804289383", File, false},
        {".notes.sealscribe.saving-", File, false},
        {".notes.sealscribe.saving-12345678901", File, false},
        {".notes.sealscribe.saving-18a4", File, false},
        {".notes.sealscribe.saving-1804289383~", File, false},
        {"notes.sealscribe.saving-1804289383", File, false},
        {".notes.sealscribe.saving-1681692777", Folder, false},
        {".notes.sealscribe.saving-1714636915", Link, false},
        {"." + longName + ".saving-846930886", File, false},
    };
    writeFile(folder / "linked", "a file a leftover's name links to");
    for (const auto& leftover : cases) {
        const auto path = folder / leftover.name;
        if (leftover.kind == File)
            writeFile(path, "an old copy");
        else if (leftover.kind == Folder)
            fs::create_directory(path);
        else
            fs::create_symlink(folder / "linked", path);
    }

    for (const auto& target : {std::string("notes.sealscribe"), longName})
        EXPECT_TRUE(writer.writeData(dataFromBytes("new"), pathString(folder / target)));
    for (const auto& leftover : cases)
        EXPECT_EQ(fs::exists(fs::symlink_status(folder / leftover.name)), !leftover.removed)
            << leftover.name;
    EXPECT_EQ(readFile(folder / "linked"), "a file a leftover's name links to");
}

} // namespace

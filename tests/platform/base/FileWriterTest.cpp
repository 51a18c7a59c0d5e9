#include "platform/base/FileWriter.h"

#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using namespace testsupport;
using platform::String;
namespace fs = std::filesystem;

namespace {

// Writes half of the bytes and then fails, as a disk that fills up does.
class HalfWriter : public FileWriter {
public:
    std::optional<String> writeBytes(int fd, const Data& data) override {
        const Data half(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 2));
        EXPECT_FALSE(FileWriter::writeBytes(fd, half));
        return reasonForError(ENOSPC);
    }
};

class FileWriterTest : public testing::Test {
protected:
    ScratchFolder folder;
    FileWriter writer;
};

TEST_F(FileWriterTest, WritesANewFileAndReplacesAnOldOneWhole) {
    const auto path = folder / "notes.sealscribe";
    EXPECT_EQ(writer.writeData(dataFromBytes("first version"), pathString(path)), std::nullopt);
    EXPECT_EQ(readFile(path), "first version");
    EXPECT_EQ(writer.writeData(dataFromBytes("second"), pathString(path)), std::nullopt);
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"notes.sealscribe"})
        << "no temporary file is left beside it";
}

TEST_F(FileWriterTest, AFailureHalfWayLeavesTheOldFileAsItWas) {
    const auto path = folder / "notes.sealscribe";
    writeFile(path, "the old content, which must survive");
    HalfWriter failing;
    const auto error =
        failing.writeData(dataFromBytes("a new content that never arrives"), pathString(path));
    EXPECT_EQ(error, u"No space left on device");
    EXPECT_EQ(readFile(path), "the old content, which must survive");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"notes.sealscribe"});
}

TEST_F(FileWriterTest, ReportsWhatItCannotWrite) {
    writeFile(folder / "plain", "a file, not a folder");
    fs::create_directory(folder / "folder");
    const struct {
        fs::path path;
        String reason;
    } cases[] = {
        {folder / "plain" / "notes.sealscribe", u"Not a directory"},
        {folder / "missing" / "notes.sealscribe", u"No such file or directory"},
        {folder / "folder", u"Is a directory"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_EQ(writer.writeData(dataFromBytes("x"), pathString(path)), reason) << path;
    }
    EXPECT_EQ(readFile(folder / "plain"), "a file, not a folder");
}

TEST_F(FileWriterTest, KeepsTheOldFilesPermissionsAndItsLink) {
    const auto target = folder / "target.sealscribe";
    const auto link = folder / "link.sealscribe";
    writeFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, link);

    EXPECT_EQ(writer.writeData(dataFromBytes("new"), pathString(link)), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "new");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

} // namespace

#include "platform/base/FileReader.h"

#include "support/Files.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class FileReaderTest : public testing::Test {
protected:
    ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();

    // A file of `size` bytes that takes no room on the disk.
    fs::path sparseFile(const std::string& name, std::uintmax_t size) {
        const fs::path path = folder_ / name;
        writeFile(path, "");
        fs::resize_file(path, size);
        return path;
    }
};

// A bound socket's name in the folder; it stays while the descriptor is open.
int bindSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

TEST_F(FileReaderTest, ReadsARegularFileWholeUpToTheLimit) {
    writeFile(folder_ / "notes.txt", "hello");
    const auto whole = FileReader::readData(pathString(folder_ / "notes.txt"));
    ASSERT_TRUE(whole) << messageOf(whole);
    EXPECT_EQ(bytesOf(*whole), "hello");
    const auto atLimit = FileReader::readData(pathString(folder_ / "notes.txt"), 5);
    ASSERT_TRUE(atLimit) << messageOf(atLimit);
    EXPECT_EQ(bytesOf(*atLimit), "hello");
    const auto over = FileReader::readData(pathString(folder_ / "notes.txt"), 4);
    EXPECT_EQ(messageOf(over), "\u201Cnotes.txt\u201D is larger than 4 bytes.");
    EXPECT_EQ(over.error().cause, EFBIG);
}

// Each would hang the read, flood it, or is no file to read; none is read from.
TEST_F(FileReaderTest, RefusesWhatIsNoRegularFileBeforeReading) {
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0); // no writer: a blocking open hangs
    const int socket = bindSocket(folder_ / "socket");
    fs::create_directory(folder_ / "folder.txt");
    const struct {
        fs::path path;
        std::string reason;
    } cases[] = {
        {folder_ / "pipe", "\u201Cpipe\u201D is not a regular file."},
        {folder_ / "socket", "\u201Csocket\u201D is not a regular file."},
        {"/dev/zero", "\u201Czero\u201D is not a regular file."},
        {"/dev/null", "\u201Cnull\u201D is not a regular file."},
        {folder_ / "folder.txt", "\u201Cfolder.txt\u201D is not a regular file."},
        {folder_ / "folder.txt/", "\u201Cfolder.txt\u201D is not a regular file."},
        {sparseFile("big.txt", FileReader::importLimit + 1),
         "\u201Cbig.txt\u201D is larger than 64 MiB."},
        {folder_ / "missing.txt", "No such file or directory"},
    };
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(messageOf(FileReader::readData(pathString(path), FileReader::importLimit)),
                  reason)
            << path;
    EXPECT_EQ(messageOf(FileReader::readData(u"/dev/null")),
              "\u201Cnull\u201D is not a regular file.");
    ::close(socket);
}

TEST_F(FileReaderTest, ReadsAnEntryOfAFolderWithoutFollowingALink) {
    writeFile(folder_ / "a.png", "png");
    fs::create_symlink(folder_ / "a.png", folder_ / "link.png");
    const int handle = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(handle, 0);
    const auto entry = FileReader::readDataAt(handle, "a.png", u"the entry", 3);
    ASSERT_TRUE(entry) << messageOf(entry);
    EXPECT_EQ(bytesOf(*entry), "png");
    EXPECT_EQ(messageOf(FileReader::readDataAt(handle, "link.png", u"the link", 3)),
              "the link is not a regular file.");
    ::close(handle);
}

} // namespace

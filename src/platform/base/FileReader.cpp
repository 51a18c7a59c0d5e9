#include "platform/base/FileReader.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/PosixPath.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t kibibyte = 1024;
constexpr std::size_t mebibyte = kibibyte * kibibyte;

String asciiNumber(std::size_t number) {
    const std::string digits = std::to_string(number);
    return String(digits.begin(), digits.end());
}

String sizeText(std::size_t bytes) {
    if (bytes >= mebibyte && bytes % mebibyte == 0)
        return asciiNumber(bytes / mebibyte) + u" MiB";
    if (bytes >= kibibyte && bytes % kibibyte == 0)
        return asciiNumber(bytes / kibibyte) + u" KiB";
    return asciiNumber(bytes) + (bytes == 1 ? u" byte" : u" bytes");
}

Error notRegular(const String& subject) {
    return {subject + u" is not a regular file.", std::nullopt};
}

// Opening a pipe without a writer, or some devices, would wait: the open does not.
// O_NOCTTY keeps a terminal from becoming the program's own.
int openToRead(int folder, const char* name, int flags) {
    return ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags);
}

// ENXIO is what opening a socket answers.
Error openFailure(int error, const String& subject) {
    return error == ENXIO ? notRegular(subject) : Error::fromErrno(error);
}

// Reads are blocking again: on some file systems (FUSE, NFS) a regular file could
// otherwise answer EAGAIN.
bool makeBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

Result<Data> readOpened(int fd, const String& subject, std::size_t limit) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failure(Error::fromErrno(errno));
    if (!S_ISREG(status.st_mode))
        return failure(notRegular(subject));
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > limit)
        return failure(FileReader::tooLarge(subject, limit));
    if (!makeBlocking(fd))
        return failure(Error::fromErrno(errno));
    Data data;
    data.reserve(static_cast<std::size_t>(size));
    if (auto read = readToEnd(fd, data, limit); !read) {
        if (read.error().cause == EFBIG) // it grew while being read
            return failure(FileReader::tooLarge(subject, limit));
        return failure(std::move(read.error()));
    }
    return data;
}

} // namespace

Result<Data> FileReader::readData(const String& path, std::size_t limit) {
    const auto bytes = posixPath(path);
    if (!bytes)
        return failure(unusablePathReason);
    const String subject = quotedName(*bytes);
    FileDescriptor file(openToRead(AT_FDCWD, bytes->c_str(), 0));
    if (file.get() < 0)
        return failure(openFailure(errno, subject));
    return readOpened(file.get(), subject, limit);
}

Result<Data> FileReader::readData(const String& path) {
    return readData(path, std::numeric_limits<std::size_t>::max());
}

Result<Data> FileReader::readDataAt(int folder, const std::string& name, const String& subject,
                                    std::size_t limit) {
    FileDescriptor file(openToRead(folder, name.c_str(), O_NOFOLLOW));
    if (file.get() < 0)
        return failure(errno == ELOOP ? notRegular(subject) : openFailure(errno, subject));
    return readOpened(file.get(), subject, limit);
}

String FileReader::quotedName(const std::filesystem::path& path) {
    std::filesystem::path name = path.filename();
    if (name.empty()) // "Doc.rtfd/"
        name = path.parent_path().filename();
    if (name.empty()) // "/"
        name = path;
    String text(1, u'\u201C');
    text += Error::fromUtf8(name.string()).message;
    text += u'\u201D';
    return text;
}

Error FileReader::tooLarge(const String& subject, std::size_t limit) {
    return {subject + u" is larger than " + sizeText(limit) + u".", EFBIG};
}

} // namespace platform

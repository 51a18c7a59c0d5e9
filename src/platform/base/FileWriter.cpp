#include "platform/base/FileWriter.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/PosixPath.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// Short enough that a temporary's name stays within the system's limit.
constexpr std::size_t nameLimit = 128;
// The suffix is made as mkstemp makes its XXXXXX.
constexpr std::string_view suffixCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t suffixLength = 6;
// Earlier versions wrote a 32-bit number in decimal; their leftovers go too.
constexpr std::size_t decimalSuffixLimit = 10;

using Fill = std::function<Result<>(int fd)>;

// The file a path names, through a symbolic link; the path itself when it names none.
std::string resolvedTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// Every temporary name of the file's saves starts so; a suffix follows. Appended rather
// than concatenated: GCC 12 misreads "literal" + string at -O2 (-Wrestrict).
std::string temporaryPrefix(const std::string& name) {
    std::string prefix(1, '.');
    prefix.append(name, 0, nameLimit);
    prefix += ".saving-";
    return prefix;
}

// From the C library's random source (getrandom), so that no two processes or threads
// share a sequence.
std::string randomSuffix() {
    std::string suffix(suffixLength, ' ');
    for (char& c : suffix)
        c = suffixCharacters[arc4random_uniform(
            static_cast<std::uint32_t>(suffixCharacters.size()))];
    return suffix;
}

bool isSuffix(std::string_view suffix) {
    const auto consistsOf = [suffix](std::string_view characters) {
        return suffix.find_first_not_of(characters) == std::string_view::npos;
    };
    if (suffix.size() == suffixLength && consistsOf(suffixCharacters))
        return true;
    return !suffix.empty() && suffix.size() <= decimalSuffixLimit && consistsOf("0123456789");
}

bool isTemporaryName(std::string_view entry, std::string_view prefix) {
    return entry.starts_with(prefix) && isSuffix(entry.substr(prefix.size()));
}

// Gives `name` one temporary name after another until `make` answers anything but EEXIST
// for it, as often as mkstemp tries; answers that (0 or an errno). mkostemp itself would
// not do: it makes the file with mode 0600 whatever the umask, and only by its path, not
// in the open folder; and the unnamed file's name is a link, made by linkat.
int withUniqueName(const std::string& prefix, std::string& name,
                   const std::function<int(const std::string&)>& make) {
    int error = EEXIST;
    for (long attempt = 0; attempt < TMP_MAX && error == EEXIST; ++attempt) {
        name = prefix + randomSuffix();
        error = make(name);
    }
    return error;
}

// Only a save killed between naming its file and the rename leaves one behind. Regular
// files only; unlinkat removes a name and never follows it.
void removeTemporaries(int folder, const std::string& prefix) {
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!listing) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    std::vector<std::string> found;
    while (const dirent* entry = ::readdir(listing))
        if (isTemporaryName(entry->d_name, prefix))
            found.emplace_back(entry->d_name);
    ::closedir(listing);
    for (const auto& name : found) {
        struct stat status {};
        if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            (void)::unlinkat(folder, name.c_str(), 0);
    }
}

std::string procPathOf(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// An unnamed file in the folder, or -1 and errno. EOPNOTSUPP when the file system has no
// unnamed files (older kernels answer EISDIR, some file systems EINVAL) or /proc is not
// there to name it.
int openUnnamed(int folder) {
    const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EISDIR || errno == EINVAL)
            errno = EOPNOTSUPP;
        return -1;
    }
    struct stat status {};
    if (::lstat(procPathOf(fd).c_str(), &status) != 0) {
        ::close(fd);
        errno = EOPNOTSUPP;
        return -1;
    }
    return fd;
}

// Closes the file, which was given `name`; the name goes again on failure.
Result<> closeNamed(FileDescriptor& file, int folder, const std::string& name) {
    if (file.close() == 0)
        return {};
    const int error = errno;
    (void)::unlinkat(folder, name.c_str(), 0);
    return failure(Error::fromErrno(error));
}

// Where the file system has no unnamed files, a named one, removed on failure.
Result<> writeNamedTemporary(int folder, const std::string& prefix, const Fill& fill,
                             std::string& name) {
    int fd = -1;
    if (const int error = withUniqueName(prefix, name, [&](const std::string& candidate) {
            fd = ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd < 0 ? errno : 0;
        }))
        return failure(Error::fromErrno(error));
    FileDescriptor file(fd);
    if (auto filled = fill(file.get()); !filled) {
        (void)::unlinkat(folder, name.c_str(), 0);
        return filled;
    }
    return closeNamed(file, folder, name);
}

// Fills a new file of the folder and names it with the prefix and a unique suffix, in
// `name`. On failure nothing is left.
Result<> writeTemporary(int folder, const std::string& prefix, const Fill& fill,
                        std::string& name) {
    const int unnamed = openUnnamed(folder);
    if (unnamed < 0 && errno != EOPNOTSUPP)
        return failure(Error::fromErrno(errno));
    if (unnamed < 0)
        return writeNamedTemporary(folder, prefix, fill, name);

    // Until it is named, closing the file on any way out leaves nothing.
    FileDescriptor file(unnamed);
    if (auto filled = fill(file.get()); !filled)
        return filled;
    const std::string source = procPathOf(file.get());
    if (const int error = withUniqueName(prefix, name, [&](const std::string& candidate) {
            // Not AT_EMPTY_PATH: that needs a privilege before Linux 6.10.
            return ::linkat(AT_FDCWD, source.c_str(), folder, candidate.c_str(),
                            AT_SYMLINK_FOLLOW) == 0
                       ? 0
                       : errno;
        }))
        return failure(Error::fromErrno(error));
    return closeNamed(file, folder, name);
}

} // namespace

Result<FileWriteOutcome> FileWriter::writeData(const Data& data, const String& path) {
    const auto bytes = posixPath(path);
    if (!bytes)
        return failure(unusablePathReason);
    const std::string target = resolvedTarget(*bytes);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return failure(Error::fromErrno(EISDIR));
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return failure(Error::fromErrno(errno));

    const Fill fill = [&](int fd) -> Result<> {
        if (replacing)
            (void)::fchmod(fd, old.st_mode & 07777);
        if (auto written = writeBytes(fd, data); !written)
            return written;
        if (::fsync(fd) != 0)
            return failure(Error::fromErrno(errno));
        return {};
    };
    const std::string name = nameOf(target);
    const std::string prefix = temporaryPrefix(name);
    std::string temporary;
    if (auto written = writeTemporary(folder.get(), prefix, fill, temporary); !written)
        return failure(std::move(written.error()));
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
        const int error = errno;
        (void)::unlinkat(folder.get(), temporary.c_str(), 0);
        return failure(Error::fromErrno(error));
    }
    removeTemporaries(folder.get(), prefix);
    // Without this the rename may not survive a crash; the file is replaced all the same.
    FileWriteOutcome outcome;
    if (auto flushed = flushFolder(folder.get()); !flushed)
        outcome.warning = std::move(flushed.error());
    return outcome;
}

Result<> FileWriter::writeBytes(int fd, const Data& data) {
    return writeAll(fd, data);
}

Result<> FileWriter::flushFolder(int fd) {
    if (::fsync(fd) != 0)
        return failure(Error::fromErrno(errno));
    return {};
}

} // namespace platform

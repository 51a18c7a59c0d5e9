#include "platform/base/FileWriter.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// Short enough that a temporary's name stays within the system's limit.
constexpr std::size_t nameLimit = 128;
// The suffix is a 32-bit number in decimal.
constexpr std::size_t suffixLimit = 10;

using Fill = std::function<std::optional<String>(int fd)>;

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

// Every temporary name of the file's saves starts so; a suffix of digits follows.
std::string temporaryPrefix(const std::string& name) {
    // Appended rather than "." + name: GCC 12 misreads that concatenation (-Wrestrict).
    std::string prefix = ".";
    prefix.append(name, 0, nameLimit).append(".saving-");
    return prefix;
}

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const auto seed = std::random_device{}();
    std::mt19937 random(seed ^ (counter.fetch_add(1) * 2654435761u) ^
                        static_cast<unsigned>(::getpid()));
    return std::to_string(random());
}

bool isTemporaryName(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix))
        return false;
    const auto suffix = entry.substr(prefix.size());
    return !suffix.empty() && suffix.size() <= suffixLimit &&
           std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Gives `name` one temporary name after another until `make` answers anything but EEXIST
// for it; answers that (0 or an errno).
int withUniqueName(const std::string& prefix, std::string& name,
                   const std::function<int(const std::string&)>& make) {
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        name = prefix + uniqueSuffix();
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

String reasonFor(int error) {
    return fromUtf8(std::generic_category().message(error)).value_or(u"Unknown error");
}

// Closes the file, which was given `name`; the name goes again on failure.
std::optional<String> closeNamed(FileDescriptor& file, int folder, const std::string& name) {
    if (file.close() == 0)
        return std::nullopt;
    const int error = errno;
    (void)::unlinkat(folder, name.c_str(), 0);
    return reasonFor(error);
}

// Where the file system has no unnamed files, a named one, removed on failure.
std::optional<String> writeNamedTemporary(int folder, const std::string& prefix, const Fill& fill,
                                          std::string& name) {
    int fd = -1;
    if (const int error = withUniqueName(prefix, name, [&](const std::string& candidate) {
            fd = ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd < 0 ? errno : 0;
        }))
        return reasonFor(error);
    FileDescriptor file(fd);
    if (auto error = fill(file.get())) {
        (void)::unlinkat(folder, name.c_str(), 0);
        return error;
    }
    return closeNamed(file, folder, name);
}

// Fills a new file of the folder and names it with the prefix and a unique suffix, in
// `name`. On failure nothing is left.
std::optional<String> writeTemporary(int folder, const std::string& prefix, const Fill& fill,
                                     std::string& name) {
    const int unnamed = openUnnamed(folder);
    if (unnamed < 0 && errno != EOPNOTSUPP)
        return reasonFor(errno);
    if (unnamed < 0)
        return writeNamedTemporary(folder, prefix, fill, name);

    // Until it is named, closing the file on any way out leaves nothing.
    FileDescriptor file(unnamed);
    if (auto error = fill(file.get()))
        return error;
    const std::string source = procPathOf(file.get());
    if (const int error = withUniqueName(prefix, name, [&](const std::string& candidate) {
            // Not AT_EMPTY_PATH: that needs a privilege before Linux 6.10.
            return ::linkat(AT_FDCWD, source.c_str(), folder, candidate.c_str(),
                            AT_SYMLINK_FOLLOW) == 0
                       ? 0
                       : errno;
        }))
        return reasonFor(error);
    return closeNamed(file, folder, name);
}

} // namespace

String FileWriter::reasonForError(int error) {
    return reasonFor(error);
}

FileWriteResult FileWriter::writeData(const Data& data, const String& path) {
    const auto failure = [](int error) { return FileWriteResult{reasonForError(error), {}}; };
    const auto bytes = toUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos)
        return {u"The file name cannot be used on this system.", {}};
    const std::string target = resolvedTarget(*bytes);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return failure(EISDIR);
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return failure(errno);

    const Fill fill = [&](int fd) -> std::optional<String> {
        if (replacing)
            (void)::fchmod(fd, old.st_mode & 07777);
        if (auto error = writeBytes(fd, data))
            return error;
        if (::fsync(fd) != 0)
            return reasonForError(errno);
        return std::nullopt;
    };
    const std::string name = nameOf(target);
    const std::string prefix = temporaryPrefix(name);
    std::string temporary;
    if (auto error = writeTemporary(folder.get(), prefix, fill, temporary))
        return {std::move(error), {}};
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
        const int error = errno;
        (void)::unlinkat(folder.get(), temporary.c_str(), 0);
        return failure(error);
    }
    removeTemporaries(folder.get(), prefix);
    // Without this the rename may not survive a crash; the file is replaced all the same.
    return {std::nullopt, flushFolder(folder.get())};
}

std::optional<String> FileWriter::writeBytes(int fd, const Data& data) {
    if (const int error = writeAll(fd, data))
        return reasonForError(error);
    return std::nullopt;
}

std::optional<String> FileWriter::flushFolder(int fd) {
    if (::fsync(fd) != 0)
        return reasonForError(errno);
    return std::nullopt;
}

} // namespace platform

#include "platform/base/FileWriter.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform {
namespace {

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

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const auto seed = std::random_device{}();
    std::mt19937 random(seed ^ (counter.fetch_add(1) * 2654435761u) ^
                        static_cast<unsigned>(::getpid()));
    return std::to_string(random());
}

} // namespace

String FileWriter::reasonForError(int error) {
    return fromUtf8(std::generic_category().message(error)).value_or(u"Unknown error");
}

std::optional<String> FileWriter::writeData(const Data& data, const String& path) {
    const auto bytes = toUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos)
        return u"The file name cannot be used on this system.";
    const std::string target = resolvedTarget(*bytes);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return reasonForError(EISDIR);

    // Short enough that the new file's name stays within the system's limit.
    const std::string base = target.substr(target.rfind('/') + 1).substr(0, 128);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = folderOf(target) + "/." + base + ".saving-" + uniqueSuffix();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return reasonForError(errno);
    FileDescriptor file(fd);
    const auto removeTemporary = [&] { ::unlink(temporary.c_str()); };

    if (replacing)
        (void)::fchmod(file.get(), old.st_mode & 07777);
    if (auto failure = writeBytes(file.get(), data)) {
        removeTemporary();
        return failure;
    }
    if (::fsync(file.get()) != 0 || file.close() != 0) {
        const int error = errno;
        removeTemporary();
        return reasonForError(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        removeTemporary();
        return reasonForError(error);
    }
    // Without this the rename itself may not survive a crash.
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::fsync(folder.get()) != 0)
        return reasonForError(errno);
    return std::nullopt;
}

std::optional<String> FileWriter::writeBytes(int fd, const Data& data) {
    if (const int error = writeAll(fd, data))
        return reasonForError(error);
    return std::nullopt;
}

} // namespace platform

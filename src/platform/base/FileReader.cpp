#include "platform/base/FileReader.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/PosixPath.h"
#include "platform/base/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<Data> FileReader::readData(const String& path, String& reason) {
    const auto bytes = posixPath(path);
    if (!bytes) {
        reason = unusablePathReason;
        return std::nullopt;
    }
    FileDescriptor file(::open(bytes->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        reason = systemErrorText(errno);
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = systemErrorText(EISDIR);
        return std::nullopt;
    }
    Data data;
    if (S_ISREG(status.st_mode))
        data.reserve(static_cast<std::size_t>(status.st_size));
    if (const int error = readToEnd(file.get(), data)) {
        reason = systemErrorText(error);
        return std::nullopt;
    }
    return data;
}

} // namespace platform

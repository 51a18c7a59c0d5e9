#include "platform/base/FileReader.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/PosixPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

Result<Data> FileReader::readData(const String& path) {
    const auto bytes = posixPath(path);
    if (!bytes)
        return failure(unusablePathReason);
    FileDescriptor file(::open(bytes->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return failure(Error::fromErrno(errno));
    if (S_ISDIR(status.st_mode))
        return failure(Error::fromErrno(EISDIR));
    Data data;
    if (S_ISREG(status.st_mode))
        data.reserve(static_cast<std::size_t>(status.st_size));
    if (auto read = readToEnd(file.get(), data); !read)
        return failure(std::move(read.error()));
    return data;
}

} // namespace platform

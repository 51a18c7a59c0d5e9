#include "platform/base/FileIO.h"

#include <cerrno>
#include <cstdint>
#include <unistd.h>

namespace platform {

Result<> readToEnd(int fd, Data& bytes, std::size_t limit) {
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failure(Error::fromErrno(errno));
        if (count == 0)
            return {};
        const auto length = static_cast<std::size_t>(count);
        if (bytes.size() > limit || length > limit - bytes.size())
            return failure(Error::fromErrno(EFBIG));
        bytes.insert(bytes.end(), buffer, buffer + length);
    }
}

Result<> writeAll(int fd, const Data& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failure(Error::fromErrno(errno));
        if (count == 0)
            return failure(Error::fromErrno(EIO));
        done += static_cast<std::size_t>(count);
    }
    return {};
}

} // namespace platform

#include "platform/base/FileIO.h"

#include <cerrno>
#include <cstdint>
#include <unistd.h>

namespace platform {

int readToEnd(int fd, Data& bytes, std::size_t limit) {
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return 0;
        const auto length = static_cast<std::size_t>(count);
        if (bytes.size() > limit || length > limit - bytes.size())
            return EFBIG;
        bytes.insert(bytes.end(), buffer, buffer + length);
    }
}

int writeAll(int fd, const Data& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return EIO;
        done += static_cast<std::size_t>(count);
    }
    return 0;
}

} // namespace platform

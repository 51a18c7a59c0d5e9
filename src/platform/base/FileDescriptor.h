#pragma once

#include <unistd.h>

namespace platform {

// Closes a POSIX file descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }

    // Closes now: the close's own error matters for a file just written.
    [[nodiscard]] int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

} // namespace platform

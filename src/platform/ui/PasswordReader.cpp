#include "platform/ui/PasswordReader.h"

#include <cerrno>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

// Turns echo off for its lifetime when the descriptor is a terminal.
class NoEcho {
public:
    explicit NoEcho(int fd) : fd_(fd) {
        if (::isatty(fd) != 1 || ::tcgetattr(fd, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        active_ = ::tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
    }
    ~NoEcho() {
        if (active_)
            (void)::tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    NoEcho(const NoEcho&) = delete;
    NoEcho& operator=(const NoEcho&) = delete;

    [[nodiscard]] bool active() const { return active_; }

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

} // namespace

Result<String> PasswordReader::readLine(int fd) {
    const NoEcho noEcho(fd);
    if (noEcho.active())
        (void)!::write(STDERR_FILENO, "Password: ", 10);
    std::string line;
    // A byte at a time, so that nothing after the line is taken from a shared input.
    for (;;) {
        char byte = 0;
        const ssize_t count = ::read(fd, &byte, 1);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failure(u"cannot read the password: " + Error::fromErrno(errno).message);
        if (count == 0 || byte == '\n')
            break;
        if (byte == '\0')
            return failure(u"the password contains a NUL byte");
        if (line.size() == maximumLength)
            return failure(u"the password is longer than " +
                           *fromUtf8(std::to_string(maximumLength)) + u" bytes");
        line.push_back(byte);
    }
    auto password = fromUtf8(line);
    if (!password)
        return failure(u"the password is not UTF-8 text");
    return std::move(*password);
}

} // namespace platform

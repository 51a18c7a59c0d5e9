#include "platform/ui/PasswordReader.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

// The terminal's settings while echo is off, for a signal that ends the program then.
int quietFd = -1;
termios echoing{};
constexpr std::array endingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void restoreEchoAndReraise(int signal) {
    (void)::tcsetattr(quietFd, TCSAFLUSH, &echoing);
    (void)std::signal(signal, SIG_DFL);
    (void)std::raise(signal);
}

// Turns echo off for its lifetime when the descriptor is a terminal; Ctrl-C in the middle
// leaves the terminal echoing again.
class NoEcho {
public:
    explicit NoEcho(int fd) {
        if (::isatty(fd) != 1 || ::tcgetattr(fd, &echoing) != 0)
            return;
        quietFd = fd;
        struct sigaction restore = {};
        restore.sa_handler = restoreEchoAndReraise;
        for (std::size_t i = 0; i < endingSignals.size(); ++i)
            (void)::sigaction(endingSignals[i], &restore, &previous_[i]);
        termios quiet = echoing;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        active_ = ::tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
    }
    ~NoEcho() {
        if (quietFd < 0)
            return;
        if (active_)
            (void)::tcsetattr(quietFd, TCSAFLUSH, &echoing);
        for (std::size_t i = 0; i < endingSignals.size(); ++i)
            (void)::sigaction(endingSignals[i], &previous_[i], nullptr);
        quietFd = -1;
    }
    NoEcho(const NoEcho&) = delete;
    NoEcho& operator=(const NoEcho&) = delete;

    [[nodiscard]] bool active() const { return active_; }

private:
    std::array<struct sigaction, endingSignals.size()> previous_{};
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

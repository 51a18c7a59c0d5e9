#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

// A TCP socket bound to 127.0.0.1 at a port of the kernel's choice, listening or not,
// closed with the object. One that does not listen refuses every connection, and holds its
// port so that nobody else listens there.
class LoopbackSocket {
public:
    explicit LoopbackSocket(bool listening) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            (listening && ::listen(fd_, 8) != 0) ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            ADD_FAILURE() << "no loopback socket";
        port_ = ntohs(address.sin_port);
    }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    ~LoopbackSocket() { ::close(fd_); }

    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] std::string url(std::string_view path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    }

private:
    int fd_;
    int port_ = 0;
};

} // namespace testsupport

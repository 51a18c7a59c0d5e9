#pragma once

#include "support/LoopbackSocket.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testsupport {

// A tiny HTTP server on 127.0.0.1, one connection at a time. The handler maps a request
// target to the whole response; none makes the server keep the connection open without a
// word. With a pace, the response goes out one byte per pace.
class TestHTTPServer {
public:
    using Handler = std::function<std::optional<std::string>(const std::string& target)>;

    explicit TestHTTPServer(Handler handler,
                            std::chrono::milliseconds pace = std::chrono::milliseconds(0))
        : handler_(std::move(handler)), pace_(pace), thread_([this] { serve(); }) {}
    TestHTTPServer(const TestHTTPServer&) = delete;
    TestHTTPServer& operator=(const TestHTTPServer&) = delete;
    ~TestHTTPServer() {
        stopping_ = true;
        thread_.join();
    }

    [[nodiscard]] std::string url(std::string_view path) const { return socket_.url(path); }
    // The request targets in the order they came.
    [[nodiscard]] std::vector<std::string> targets() const {
        const std::lock_guard lock(mutex_);
        return targets_;
    }
    // Of every response so far.
    [[nodiscard]] std::size_t bytesSent() const { return bytesSent_; }
    // Until `count` requests have come; a wait for the server's thread, not for a time.
    void waitForRequests(std::size_t count) const {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return targets_.size() >= count; });
    }

    static bool readable(int fd, std::chrono::milliseconds wait) {
        pollfd poll{fd, POLLIN, 0};
        return ::poll(&poll, 1, static_cast<int>(wait.count())) > 0;
    }

private:
    void serve() {
        while (!stopping_) {
            if (!readable(socket_.fd(), std::chrono::milliseconds(20)))
                continue;
            const int client = ::accept(socket_.fd(), nullptr, nullptr);
            if (client >= 0)
                answer(client);
            ::close(client);
        }
    }

    void answer(int client) {
        const auto target = requestTarget(client);
        {
            const std::lock_guard lock(mutex_);
            targets_.push_back(target);
        }
        arrived_.notify_all();
        const auto response = handler_(target);
        if (!response) {
            holdSilently(client);
            return;
        }
        const std::size_t chunk = pace_.count() > 0 ? 1 : response->size();
        for (std::size_t sent = 0; sent < response->size();) {
            if (pace_.count() > 0 && !waitWhileConnected(client, pace_))
                return;
            // The client may hang up early (a body over its limit): no SIGPIPE.
            const auto count = ::send(client, response->data() + sent,
                                      std::min(chunk, response->size() - sent), MSG_NOSIGNAL);
            if (count <= 0)
                return;
            sent += static_cast<std::size_t>(count);
            bytesSent_ += static_cast<std::size_t>(count);
        }
    }

    // False once the client has hung up or the server stops.
    bool waitWhileConnected(int client, std::chrono::milliseconds wait) const {
        char byte;
        if (readable(client, wait) && ::recv(client, &byte, 1, MSG_DONTWAIT) <= 0)
            return false;
        return !stopping_;
    }

    // Until the client hangs up or the server stops.
    void holdSilently(int client) const {
        while (waitWhileConnected(client, std::chrono::milliseconds(20))) {
        }
    }

    std::string requestTarget(int client) {
        std::string head;
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && !stopping_) {
            if (!readable(client, std::chrono::milliseconds(20)))
                continue;
            const auto count = ::recv(client, buffer, sizeof buffer, 0);
            if (count <= 0)
                break;
            head.append(buffer, static_cast<std::size_t>(count));
        }
        const auto begin = head.find(' ') + 1;
        return head.substr(begin, head.find(' ', begin) - begin);
    }

    LoopbackSocket socket_{true};
    Handler handler_;
    std::chrono::milliseconds pace_;
    std::atomic<bool> stopping_ = false;
    std::atomic<std::size_t> bytesSent_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<std::string> targets_;
    std::thread thread_; // last: it starts serving as soon as it is made
};

// A whole response with its length and "Connection: close".
inline std::string httpResponse(std::string_view status, std::string_view body,
                                std::string_view headers = {}) {
    return "HTTP/1.1 " + std::string(status) +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
           std::string(headers) + "\r\n" + std::string(body);
}

// A body that ends where the connection does, so that its length is not known in advance.
inline std::string httpResponseWithoutLength(std::string_view body) {
    return "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(body);
}

} // namespace testsupport

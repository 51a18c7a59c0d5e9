#include "platform/base/URLLoader.h"

#include "support/Files.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <arpa/inet.h>
#include <atomic>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using platform::Data;
using platform::URL;
using platform::URLLoader;
using testsupport::messageOf;

namespace {

// A listening socket on 127.0.0.1 at a port of the kernel's choice, closed with the object.
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

    int fd() const { return fd_; }
    std::string url(std::string_view path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    }

private:
    int fd_;
    int port_ = 0;
};

bool readable(int fd, std::chrono::milliseconds wait) {
    pollfd poll{fd, POLLIN, 0};
    return ::poll(&poll, 1, static_cast<int>(wait.count())) > 0;
}

// A tiny HTTP server, one connection at a time. The handler maps a request target to the
// whole response; none makes the server keep the connection open without a word.
class TestServer {
public:
    using Handler = std::function<std::optional<std::string>(const std::string& target)>;

    explicit TestServer(Handler handler)
        : handler_(std::move(handler)), thread_([this] { serve(); }) {}
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;
    ~TestServer() {
        stopping_ = true;
        thread_.join();
    }

    std::string url(std::string_view path) const { return socket_.url(path); }
    std::vector<std::string> targets() const {
        const std::lock_guard lock(mutex_);
        return targets_;
    }

private:
    void serve() {
        while (!stopping_) {
            if (!readable(socket_.fd(), 20ms))
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
        const auto response = handler_(target);
        if (!response) {
            holdSilently(client);
            return;
        }
        // The client may hang up early (a body over its limit): no SIGPIPE.
        for (std::size_t sent = 0; sent < response->size();) {
            const auto count =
                ::send(client, response->data() + sent, response->size() - sent, MSG_NOSIGNAL);
            if (count <= 0)
                return;
            sent += static_cast<std::size_t>(count);
        }
    }

    // Until the client hangs up or the server stops.
    void holdSilently(int client) const {
        char byte;
        while (!stopping_)
            if (readable(client, 20ms) && ::recv(client, &byte, 1, 0) <= 0)
                return;
    }

    std::string requestTarget(int client) {
        std::string head;
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && !stopping_) {
            if (!readable(client, 20ms))
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
    std::atomic<bool> stopping_ = false;
    mutable std::mutex mutex_;
    std::vector<std::string> targets_;
    std::thread thread_; // last: it starts serving as soon as it is made
};

std::string response(std::string_view status, std::string_view body,
                     std::string_view headers = {}) {
    return "HTTP/1.1 " + std::string(status) +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
           std::string(headers) + "\r\n" + std::string(body);
}

// A body that ends where the connection does, so that its length is not known in advance.
std::string responseWithoutLength(std::string_view body) {
    return "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(body);
}

URL url(const std::string& text) {
    return *URL::URLWithString(std::u16string(text.begin(), text.end()));
}

URLLoader loader(std::size_t maximumLength = 16 * 1024 * 1024) {
    URLLoader::Options options;
    options.timeout = 2s;
    options.maximumLength = maximumLength;
    return URLLoader(options);
}

const std::string binaryBody("<plist>\0\x01\xff</plist>", 18);

} // namespace

TEST(URLLoader, ReadsTheBodyOfASuccessfulResponse) {
    TestServer server([](const std::string& target) -> std::optional<std::string> {
        if (target == "/mac/sealscribe.plist")
            return response("200 OK", binaryBody);
        if (target == "/empty")
            return response("204 No Content", "");
        return responseWithoutLength(binaryBody);
    });
    for (const char* path : {"/mac/sealscribe.plist", "/unsized"}) {
        const auto result = loader().load(url(server.url(path)));
        ASSERT_TRUE(result) << messageOf(result);
        EXPECT_EQ(*result, platform::dataFromBytes(binaryBody)) << path;
    }
    const auto empty = loader().load(url(server.url("/empty")));
    ASSERT_TRUE(empty) << messageOf(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(URLLoader, AStatusOutsideTwoHundredFails) {
    TestServer server([](const std::string& target) -> std::optional<std::string> {
        if (target == "/missing")
            return response("404 Not Found", "<html>not here</html>");
        if (target == "/broken")
            return response("500 Internal Server Error", "oops");
        return response("304 Not Modified", "");
    });
    for (const char* path : {"/missing", "/broken", "/unchanged"}) {
        const auto result = loader().load(url(server.url(path)));
        EXPECT_FALSE(result) << path;
        EXPECT_NE(messageOf(result).find("HTTP status"), std::string::npos) << messageOf(result);
    }
}

TEST(URLLoader, AServerThatNeverAnswersTimesOut) {
    TestServer server([](const std::string&) { return std::nullopt; });
    URLLoader::Options options;
    options.timeout = 250ms;
    const auto result = URLLoader(options).load(url(server.url("/slow")));
    EXPECT_FALSE(result);
    EXPECT_NE(messageOf(result).find("imeout"), std::string::npos) << messageOf(result);
}

TEST(URLLoader, ARefusedConnectionFails) {
    const LoopbackSocket closed(false); // bound, so that nobody else listens on its port
    const auto result = loader().load(url(closed.url("/mac/sealscribe.plist")));
    EXPECT_FALSE(result);
    EXPECT_FALSE(messageOf(result).empty());
}

TEST(URLLoader, ABodyOverTheLimitFails) {
    const std::string body(2048, 'x');
    TestServer server([&](const std::string& target) -> std::optional<std::string> {
        return target == "/sized" ? response("200 OK", body) : responseWithoutLength(body);
    });
    for (const char* path : {"/sized", "/unsized"}) {
        const auto over = loader(2047).load(url(server.url(path)));
        EXPECT_FALSE(over) << path;
        EXPECT_NE(messageOf(over).find("longer than 2047 bytes"), std::string::npos)
            << messageOf(over);
        const auto exact = loader(2048).load(url(server.url(path)));
        ASSERT_TRUE(exact) << messageOf(exact);
        EXPECT_EQ(exact->size(), 2048u);
    }
}

TEST(URLLoader, RedirectsAreFollowedWithinTheLimit) {
    TestServer server([](const std::string& target) -> std::optional<std::string> {
        if (target == "/old")
            return response("302 Found", "", "Location: /new\r\n");
        if (target == "/new")
            return response("200 OK", "moved");
        if (target == "/to-file")
            return response("301 Moved Permanently", "", "Location: file:///etc/passwd\r\n");
        return response("302 Found", "", "Location: " + target + "x\r\n");
    });
    const auto moved = loader().load(url(server.url("/old")));
    ASSERT_TRUE(moved) << messageOf(moved);
    EXPECT_EQ(*moved, platform::dataFromBytes("moved"));

    EXPECT_FALSE(loader().load(url(server.url("/loop"))));
    const auto targets = server.targets();
    EXPECT_EQ(std::count_if(targets.begin(), targets.end(),
                            [](const std::string& t) { return t.starts_with("/loop"); }),
              1 + URLLoader::Options{}.maximumRedirects);

    const auto local = loader().load(url(server.url("/to-file")));
    EXPECT_FALSE(local) << "a web server does not get to read local files";
}

TEST(URLLoader, SeveralThreadsLoadAtOnce) {
    TestServer server([](const std::string&) -> std::optional<std::string> {
        return response("200 OK", "shared");
    });
    const URLLoader shared = loader();
    std::vector<std::optional<Data>> results(4);
    std::vector<std::thread> threads;
    for (auto& result : results)
        threads.emplace_back([&] {
            if (auto loaded = shared.load(url(server.url("/"))))
                result = *std::move(loaded);
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, platform::dataFromBytes("shared"));
}

class URLLoaderFile : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        testsupport::writeFile(path, bytes);
        return path;
    }
    static URL fileURL(const std::filesystem::path& path) {
        return *URL::fileURLWithPath(*platform::fromUtf8(path.native()));
    }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& folder_ = scratch_.path();
};

TEST_F(URLLoaderFile, ReadsAFileWithinTheLimit) {
    const auto path = write("update list.plist", binaryBody);
    const auto result = loader(binaryBody.size()).load(fileURL(path));
    ASSERT_TRUE(result) << messageOf(result);
    EXPECT_EQ(*result, platform::dataFromBytes(binaryBody));

    const auto empty = loader().load(fileURL(write("empty", "")));
    ASSERT_TRUE(empty) << messageOf(empty);
    EXPECT_TRUE(empty->empty());

    const auto over = loader(binaryBody.size() - 1).load(fileURL(path));
    EXPECT_FALSE(over);
    EXPECT_NE(messageOf(over).find("longer than"), std::string::npos) << messageOf(over);
}

TEST_F(URLLoaderFile, WhatIsNoReadableFileFails) {
    const auto fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto present = write("present", "x");
    for (const auto& target : {folder_ / "missing", folder_, fifo}) {
        const auto result = loader().load(fileURL(target));
        EXPECT_FALSE(result) << target;
        EXPECT_FALSE(messageOf(result).empty());
    }
    EXPECT_FALSE(loader().load(url("file://elsewhere" + present.native())))
        << "a file on another host";
    EXPECT_TRUE(loader().load(url("file://localhost" + present.native())));
    EXPECT_FALSE(loader().load(url("file://" + present.native() + "%00.txt")))
        << "an escaped NUL must not cut the path short";
}

TEST(URLLoader, OtherSchemesFail) {
    for (const char* text : {"mailto:support@example.com", "ftp://127.0.0.1/x", "http:/no-host"}) {
        const auto result = loader().load(url(text));
        EXPECT_FALSE(result) << text;
        EXPECT_FALSE(messageOf(result).empty());
    }
}

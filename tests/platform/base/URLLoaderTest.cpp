#include "platform/base/URLLoader.h"

#include "support/Files.h"
#include "support/LoopbackSocket.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"
#include "support/TestHTTPServer.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using platform::Data;
using platform::URL;
using platform::URLLoader;
using testsupport::messageOf;

namespace {

using testsupport::LoopbackSocket;
using TestServer = testsupport::TestHTTPServer;

using testsupport::httpResponse;
using testsupport::httpResponseWithoutLength;

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
            return httpResponse("200 OK", binaryBody);
        if (target == "/empty")
            return httpResponse("204 No Content", "");
        return httpResponseWithoutLength(binaryBody);
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
            return httpResponse("404 Not Found", "<html>not here</html>");
        if (target == "/broken")
            return httpResponse("500 Internal Server Error", "oops");
        return httpResponse("304 Not Modified", "");
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

// Well before the time-out, which would hold a quitting program for its whole length.
TEST(URLLoader, AStopEndsATransferThatHangsAndStartsNoOther) {
    TestServer server([](const std::string&) { return std::nullopt; });
    const auto stop = std::make_shared<std::atomic<bool>>(false);
    URLLoader::Options options;
    options.timeout = 120s;
    options.stop = stop;
    std::thread stopper([&] {
        server.waitForRequests(1);
        *stop = true;
    });
    const auto started = std::chrono::steady_clock::now();
    const auto result = URLLoader(options).load(url(server.url("/held")));
    stopper.join();
    EXPECT_FALSE(result);
    EXPECT_NE(messageOf(result).find("stopped"), std::string::npos) << messageOf(result);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);

    EXPECT_FALSE(URLLoader(options).load(url(server.url("/next"))));
    EXPECT_EQ(server.targets().size(), 1u);
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
        return target == "/sized" ? httpResponse("200 OK", body) : httpResponseWithoutLength(body);
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
            return httpResponse("302 Found", "", "Location: /new\r\n");
        if (target == "/new")
            return httpResponse("200 OK", "moved");
        if (target == "/to-file")
            return httpResponse("301 Moved Permanently", "", "Location: file:///etc/passwd\r\n");
        return httpResponse("302 Found", "", "Location: " + target + "x\r\n");
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
        return httpResponse("200 OK", "shared");
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

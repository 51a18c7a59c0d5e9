#include "platform/ui/CommandLine.h"

#include "platform/ui/PasswordReader.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using platform::CommandLine;
using platform::DesktopRequest;
using Kind = platform::DesktopRequest::Kind;

namespace {

// The input that the command reads; a pipe, so that reading ends where the writer did.
class Input {
public:
    explicit Input(const std::string& bytes) {
        EXPECT_EQ(::pipe(fds_), 0);
        EXPECT_EQ(::write(fds_[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fds_[1]);
    }
    ~Input() { ::close(fds_[0]); }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    [[nodiscard]] int fd() const { return fds_[0]; }

private:
    int fds_[2] = {-1, -1};
};

// A descriptor number that names nothing open, and that the table's pipes do not take.
std::string closedFd() {
    constexpr int fd = 987;
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    return std::to_string(fd);
}

platform::String absolute(const std::string& path) {
    return *platform::fromUtf8(std::filesystem::absolute(path).string());
}

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    // The request, or else the exit status with a part of the message.
    std::optional<DesktopRequest> request;
    int status = 0;
    std::string message;
};

DesktopRequest open(std::vector<platform::String> paths) {
    return {Kind::openFiles, std::move(paths), {}, {}};
}
DesktopRequest unlock(const platform::String& path, const platform::String& password) {
    return {Kind::unlock, {path}, {}, password};
}
DesktopRequest text(const std::string& bytes) {
    return {Kind::newFromText, {}, platform::Data(bytes.begin(), bytes.end()), {}};
}
DesktopRequest selection() {
    return {Kind::newFromSelection, {}, {}, {}};
}

Case ok(const char* name, std::vector<std::string> arguments, std::string input,
        DesktopRequest request) {
    return {name, std::move(arguments), std::move(input), std::move(request), 0, {}};
}
Case bad(const char* name, std::vector<std::string> arguments, std::string input, int status,
         std::string message) {
    return {name, std::move(arguments), std::move(input), std::nullopt, status, std::move(message)};
}

TEST(CommandLine, TurnsArgumentsAndInputIntoRequests) {
    const std::string tooLong(platform::PasswordReader::maximumLength + 1, 'p');
    const std::string longest(platform::PasswordReader::maximumLength, 'p');
    const std::vector<Case> cases = {
        ok("nothing", {}, "", open({})),
        ok("files", {"/a.sealscribe", "b"}, "", open({u"/a.sealscribe", absolute("b")})),
        ok("files after --", {"--", "--unlock", "-x"}, "",
           open({absolute("--unlock"), absolute("-x")})),
        ok("text to its end", {"--new-from-text"}, std::string("a\nb\0c\n", 6),
           text(std::string("a\nb\0c\n", 6))),
        ok("empty text", {"--new-from-text"}, "", text("")),
        ok("non-UTF-8 text is passed on", {"--new-from-text"}, "\xff\xfe", text("\xff\xfe")),
        ok("selection", {"--new-from-selection"}, "", selection()),
        ok("password line", {"--unlock", "d"}, "pw\nrest", unlock(absolute("d"), u"pw")),
        ok("password at the end", {"--unlock", "/d"}, "pw", unlock(u"/d", u"pw")),
        ok("carriage return stays", {"--unlock", "/d"}, "p\r\n", unlock(u"/d", u"p\r")),
        ok("spaces stay", {"--unlock", "/d"}, " p w \n", unlock(u"/d", u" p w ")),
        ok("empty line", {"--unlock", "/d"}, "\n", unlock(u"/d", u"")),
        ok("password in UTF-8", {"--unlock", "/d"}, "\xc3\xa9t\xc3\xa9\n", unlock(u"/d", u"été")),
        ok("longest password", {"--unlock", "/d"}, longest,
           unlock(u"/d", platform::String(longest.size(), u'p'))),
        ok("password fd", {"--password-fd", "INPUT", "--unlock", "/d"}, "pw\n",
           unlock(u"/d", u"pw")),
        bad("non-UTF-8 password", {"--unlock", "/d"}, "p\xff\n", 1, "not UTF-8"),
        bad("NUL in the password", {"--unlock", "/d"}, std::string("p\0w\n", 4), 1, "NUL"),
        bad("line too long", {"--unlock", "/d"}, tooLong, 1, "longer than 4096"),
        bad("closed fd", {"--unlock", "/d", "--password-fd", closedFd()}, "pw\n", 1,
            "cannot read the password"),
        bad("unknown option", {"--password", "pw"}, "", 2, "unknown option --password"),
        bad("unlock without a file", {"--unlock"}, "", 2, "--unlock needs a file"),
        bad("unlock of two files", {"--unlock", "/a", "/b"}, "pw\n", 2, "one file"),
        bad("fd without unlock", {"--password-fd", "3", "/a"}, "", 2,
            "--password-fd goes with --unlock"),
        bad("fd not a number", {"--unlock", "/a", "--password-fd", "3x"}, "", 2, "not 3x"),
        bad("negative fd", {"--unlock", "/a", "--password-fd", "-1"}, "", 2, "not -1"),
        bad("two actions", {"--new-from-text", "--new-from-selection"}, "", 2, "only one"),
        bad("text with files", {"--new-from-text", "/a"}, "", 2, "files go"),
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const Input input(test.input);
        // INPUT names the input's descriptor; the standard input is then none.
        auto arguments = test.arguments;
        int standardInput = input.fd();
        for (auto& argument : arguments)
            if (argument == "INPUT") {
                argument = std::to_string(input.fd());
                standardInput = -1;
            }
        const auto result = CommandLine::read(arguments, standardInput);
        if (test.request) {
            ASSERT_TRUE(result.has_value()) << result.error().message;
            EXPECT_EQ(*result, *test.request);
        } else {
            ASSERT_FALSE(result.has_value());
            EXPECT_EQ(result.error().exitStatus, test.status);
            EXPECT_NE(result.error().message.find(test.message), std::string::npos)
                << result.error().message;
            // Bad usage shows how to use it.
            EXPECT_EQ(result.error().message.find("usage:") != std::string::npos, test.status == 2);
        }
    }
}

TEST(CommandLine, PasswordReadingLeavesTheRestOfTheInput) {
    const Input input("secret\nnext");
    ASSERT_TRUE(CommandLine::read({"--unlock", "/d"}, input.fd()));
    char rest[8] = {};
    EXPECT_EQ(::read(input.fd(), rest, sizeof rest), 4);
    EXPECT_EQ(std::string(rest), "next");
}

TEST(CommandLine, TextPastTheLimitIsRefused) {
    // Written by a child so that the pipe never fills up.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::close(fds[0]);
        const std::string block(1 << 20, 'a');
        for (std::size_t written = 0; written <= CommandLine::maximumTextLength;
             written += block.size())
            if (::write(fds[1], block.data(), block.size()) < 0)
                ::_exit(0);
        ::_exit(0);
    }
    ::close(fds[1]);
    const auto result = CommandLine::read({"--new-from-text"}, fds[0]);
    ::close(fds[0]);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error().exitStatus, 1);
    EXPECT_NE(result.error().message.find("64 MiB"), std::string::npos);
    int status = 0;
    ::waitpid(writer, &status, 0);
}

TEST(CommandLine, ParseReadsNoInput) {
    const auto parsed = CommandLine::parse({"--unlock", "rel"});
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->kind, Kind::unlock);
    EXPECT_EQ(parsed->paths, std::vector<platform::String>{u"rel"});
    EXPECT_EQ(CommandLine::parse({"-z"}).error().exitStatus, 2);
}

} // namespace

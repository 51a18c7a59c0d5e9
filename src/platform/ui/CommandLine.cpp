#include "platform/ui/CommandLine.h"

#include "platform/base/Error.h"
#include "platform/ui/PasswordReader.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace platform {
namespace {

using Failure = CommandLine::Failure;

tl::unexpected<Failure> badUsage(const std::string& why) {
    return tl::unexpected(
        Failure{CommandLine::usageStatus, "sealscribe: " + why + "\n" + CommandLine::usage});
}

tl::unexpected<Failure> failed(const String& why) {
    return tl::unexpected(
        Failure{CommandLine::failureStatus, "sealscribe: " + toUtf8Lossy(why) + "\n"});
}

std::optional<int> descriptor(const std::string& text) {
    int fd = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), fd);
    if (error != std::errc() || end != text.data() + text.size() || fd < 0)
        return std::nullopt;
    return fd;
}

// Reads to the end, refusing more than the maximum.
Result<Data> readText(int fd) {
    Data text;
    constexpr std::size_t chunk = 1 << 16;
    for (;;) {
        const auto size = text.size();
        text.resize(size + chunk);
        const ssize_t count = ::read(fd, text.data() + size, chunk);
        if (count < 0 && errno == EINTR) {
            text.resize(size);
            continue;
        }
        if (count < 0)
            return failure(u"cannot read the text: " + Error::fromErrno(errno).message);
        text.resize(size + static_cast<std::size_t>(count));
        if (text.size() > CommandLine::maximumTextLength)
            return failure(u"the text is larger than 64 MiB");
        if (count == 0)
            return text;
    }
}

struct Options {
    std::optional<DesktopRequest::Kind> action;
    std::vector<std::string> files;
    std::optional<int> passwordFd;
};

tl::expected<Options, Failure> options(const std::vector<std::string>& arguments) {
    Options options;
    auto setAction = [&options](DesktopRequest::Kind kind) {
        const bool first = !options.action;
        options.action = kind;
        return first;
    };
    bool filesOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (filesOnly || argument.empty() || argument[0] != '-') {
            options.files.push_back(argument);
        } else if (argument == "--") {
            filesOnly = true;
        } else if (argument == "--new-from-text") {
            if (!setAction(DesktopRequest::Kind::newFromText))
                return badUsage("only one of the options --new-from-text, "
                                "--new-from-selection and --unlock may be given");
        } else if (argument == "--new-from-selection") {
            if (!setAction(DesktopRequest::Kind::newFromSelection))
                return badUsage("only one of the options --new-from-text, "
                                "--new-from-selection and --unlock may be given");
        } else if (argument == "--unlock") {
            if (!setAction(DesktopRequest::Kind::unlock))
                return badUsage("only one of the options --new-from-text, "
                                "--new-from-selection and --unlock may be given");
            if (i + 1 == arguments.size())
                return badUsage("--unlock needs a file");
            options.files.push_back(arguments[++i]);
        } else if (argument == "--password-fd") {
            if (i + 1 == arguments.size())
                return badUsage("--password-fd needs a file descriptor");
            options.passwordFd = descriptor(arguments[++i]);
            if (!options.passwordFd)
                return badUsage("--password-fd needs a file descriptor, not " + arguments[i]);
        } else {
            return badUsage("unknown option " + argument);
        }
    }
    const auto kind = options.action.value_or(DesktopRequest::Kind::openFiles);
    if (options.passwordFd && kind != DesktopRequest::Kind::unlock)
        return badUsage("--password-fd goes with --unlock");
    if (kind == DesktopRequest::Kind::unlock && options.files.size() != 1)
        return badUsage("--unlock takes one file");
    if ((kind == DesktopRequest::Kind::newFromText ||
         kind == DesktopRequest::Kind::newFromSelection) &&
        !options.files.empty())
        return badUsage("files go with no option but --unlock");
    return options;
}

} // namespace

tl::expected<DesktopRequest, Failure>
CommandLine::parse(const std::vector<std::string>& arguments) {
    auto parsed = options(arguments);
    if (!parsed)
        return tl::unexpected(parsed.error());
    DesktopRequest request;
    request.kind = parsed->action.value_or(DesktopRequest::Kind::openFiles);
    for (const auto& file : parsed->files)
        request.paths.push_back(Error::fromUtf8(file).message);
    return request;
}

tl::expected<DesktopRequest, Failure> CommandLine::read(const std::vector<std::string>& arguments,
                                                        int standardInput) {
    auto parsed = options(arguments);
    if (!parsed)
        return tl::unexpected(parsed.error());
    DesktopRequest request;
    request.kind = parsed->action.value_or(DesktopRequest::Kind::openFiles);
    for (const auto& file : parsed->files) {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(file, error);
        auto path = error ? std::nullopt : fromUtf8(absolute.string());
        if (!path)
            return failed(u"cannot name the file " + Error::fromUtf8(file).message);
        request.paths.push_back(std::move(*path));
    }
    if (request.kind == DesktopRequest::Kind::newFromText) {
        auto text = readText(standardInput);
        if (!text)
            return failed(text.error().message);
        request.text = std::move(*text);
    } else if (request.kind == DesktopRequest::Kind::unlock) {
        auto password = PasswordReader::readLine(parsed->passwordFd.value_or(standardInput));
        if (!password)
            return failed(password.error().message);
        request.password = std::move(*password);
    }
    return request;
}

} // namespace platform

#include "platform/base/ProcessInfo.h"

#include "platform/base/FileReader.h"

#include <optional>
#include <sstream>
#include <string>
#include <sys/utsname.h>

namespace platform {
namespace {

// Shell quoting: single quotes keep everything; inside double quotes a backslash escapes
// only \ " $ and `; outside quotes it escapes any character.
std::string withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
        return std::string(value.substr(1, value.size() - 2));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (quoted)
        value = value.substr(1, value.size() - 2);
    constexpr std::string_view escapable = "\\\"$`";
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() &&
            (!quoted || escapable.find(value[i + 1]) != std::string_view::npos))
            ++i;
        out.push_back(value[i]);
    }
    return out;
}

// The value of the last assignment to `key`, as os-release(5) writes it: shell-like
// quoting, comments on lines of their own.
std::optional<std::string> osReleaseValue(std::string_view text, std::string_view key) {
    std::optional<std::string> value;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        const auto equals = line.find('=');
        if (equals == std::string::npos || std::string_view(line).substr(0, equals) != key)
            continue;
        value = withoutQuotes(std::string_view(line).substr(equals + 1));
    }
    return value;
}

String described(const String& prettyName, const String& kernel) {
    if (prettyName.empty() || kernel.empty())
        return prettyName.empty() ? kernel : prettyName;
    return prettyName + u" (" + kernel + u")";
}

std::string fileText(const String& path) {
    const auto bytes = FileReader::readData(path);
    return bytes ? std::string(bytesOf(*bytes)) : std::string();
}

} // namespace

ProcessInfo ProcessInfo::processInfo() {
    auto osRelease = fileText(u"/etc/os-release");
    if (osRelease.empty())
        osRelease = fileText(u"/usr/lib/os-release");
    utsname system{};
    if (uname(&system) != 0)
        return ProcessInfo(osRelease, {}, {});
    return ProcessInfo(osRelease, system.sysname, system.release);
}

ProcessInfo::ProcessInfo(std::string_view osRelease, std::string_view systemName,
                         std::string_view kernelRelease) {
    std::string kernel(systemName);
    if (!kernel.empty() && !kernelRelease.empty())
        kernel += ' ';
    kernel += kernelRelease;
    // A name that is no UTF-8 is left out rather than garbled.
    const auto prettyName = fromUtf8(osReleaseValue(osRelease, "PRETTY_NAME").value_or(""));
    version_ = described(prettyName.value_or(String()), fromUtf8(kernel).value_or(String()));
}

} // namespace platform

#pragma once

#include "platform/base/String.h"

#include <string_view>

namespace platform {

// What the process knows of the system it runs on.
class ProcessInfo {
public:
    // Reads /etc/os-release (else /usr/lib/os-release) and uname.
    [[nodiscard]] static ProcessInfo processInfo();

    // From the text of an os-release file and uname's system name and release.
    ProcessInfo(std::string_view osRelease, std::string_view systemName,
                std::string_view kernelRelease);

    // "<PRETTY_NAME> (<system name> <release>)", for example
    // "Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)"; without a PRETTY_NAME only
    // the part in parentheses, without them.
    [[nodiscard]] const String& operatingSystemVersionString() const { return version_; }

private:
    String version_;
};

} // namespace platform

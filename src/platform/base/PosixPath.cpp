#include "platform/base/PosixPath.h"

namespace platform {

std::optional<std::string> posixPath(const String& path) {
    auto bytes = toUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos)
        return std::nullopt;
    return bytes;
}

} // namespace platform

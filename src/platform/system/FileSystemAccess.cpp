#include "platform/system/FileSystemAccess.h"

#include "platform/base/PosixPath.h"
#include "platform/system/FileIdentity.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool FileSystemAccess::startAccessingSecurityScopedResource(const URL& url) {
    const auto granted = grantFor(url);
    const auto path = url.isFileURL() ? url.path() : std::nullopt;
    const auto bytes = path ? posixPath(*path) : std::nullopt;
    if (!granted || !bytes || !FileIdentity::ofRegularFileAt(*bytes))
        return false;
    const int mode = *granted == Grant::ReadWrite ? R_OK | W_OK : R_OK;
    return ::faccessat(AT_FDCWD, bytes->c_str(), mode, AT_EACCESS) == 0;
}

void FileSystemAccess::stopAccessingSecurityScopedResource(const URL& /*url*/) {}

} // namespace platform

#include "platform/base/FileManager.h"

#include "platform/base/PosixPath.h"

#include <sys/stat.h>

namespace platform {

bool FileManager::fileExistsAtPath(const String& path, bool* isDirectory) const {
    if (isDirectory)
        *isDirectory = false;
    const auto bytes = posixPath(path);
    if (!bytes)
        return false;
    struct stat status {};
    if (::stat(bytes->c_str(), &status) != 0)
        return false;
    if (isDirectory)
        *isDirectory = S_ISDIR(status.st_mode);
    return true;
}

} // namespace platform

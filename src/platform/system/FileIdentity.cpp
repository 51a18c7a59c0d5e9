#include "platform/system/FileIdentity.h"

namespace platform {

std::optional<FileIdentity> FileIdentity::ofRegularFile(const struct stat& status) {
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{
        .device = static_cast<std::uint64_t>(status.st_dev),
        .inode = static_cast<std::uint64_t>(status.st_ino),
        .size = static_cast<std::int64_t>(status.st_size),
        .modificationTime = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                            static_cast<std::int64_t>(status.st_mtim.tv_nsec),
    };
}

std::optional<FileIdentity> FileIdentity::ofRegularFileAt(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return ofRegularFile(status);
}

} // namespace platform

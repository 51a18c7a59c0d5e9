#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace platform {

// What tells one regular file from another that later takes its place or its inode number:
// the file system's device and inode, and the size and modification time that a reused
// inode number would not share.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modificationTime = 0; // nanoseconds since 1970

    // None unless `status` describes a regular file.
    [[nodiscard]] static std::optional<FileIdentity> ofRegularFile(const struct stat& status);
    // The regular file at the path, symbolic links followed. Only stat(2): nothing is
    // opened, so a FIFO or a device never blocks the caller.
    [[nodiscard]] static std::optional<FileIdentity> ofRegularFileAt(const std::string& path);

    bool operator==(const FileIdentity&) const = default;
};

} // namespace platform

#pragma once

#include "platform/base/Data.h"
#include "platform/base/FileReader.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

#include <cstddef>
#include <filesystem>
#include <map>

namespace platform {

// The files of an RTFD package on disk: a folder of regular files, no sub-folders.
class RTFDFolder {
public:
    using Files = std::map<String, Data>;

    // The files at the top of the folder, `limit` bytes at most in all. Fails, with a
    // reason that names the folder or the entry, when it is no folder, cannot be read, or
    // holds anything but regular files (a link, a sub-folder, a pipe, a device).
    [[nodiscard]] static Result<Files> read(const std::filesystem::path& folder,
                                            std::size_t limit = FileReader::importLimit);

    // Atomic: the files go into a new folder beside, which then takes the place of the
    // old one, so that a failure leaves the old package as it was.
    [[nodiscard]] static Result<> write(const Files& files, const std::filesystem::path& folder);

    // A name that is one file of the folder: not empty, ".", "..", nor with "/" or NUL.
    [[nodiscard]] static bool isFileName(const String& name);
};

} // namespace platform

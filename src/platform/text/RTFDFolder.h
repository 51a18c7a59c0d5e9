#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

#include <filesystem>
#include <map>
#include <optional>

namespace platform {

// The files of an RTFD package on disk: a folder of regular files, no sub-folders.
class RTFDFolder {
public:
    using Files = std::map<String, Data>;

    // The regular files at the top of the folder (links and sub-folders are not followed);
    // none when it is no folder or cannot be read.
    [[nodiscard]] static std::optional<Files> read(const std::filesystem::path& folder);

    // Atomic: the files go into a new folder beside, which then takes the place of the
    // old one, so that a failure leaves the old package as it was.
    [[nodiscard]] static Result<> write(const Files& files, const std::filesystem::path& folder);

    // A name that is one file of the folder: not empty, ".", "..", nor with "/" or NUL.
    [[nodiscard]] static bool isFileName(const String& name);
};

} // namespace platform

#pragma once

#include "platform/base/String.h"

namespace platform {

// The file system, as the documents and the settings see it. Holds no state.
class FileManager {
public:
    [[nodiscard]] static FileManager defaultManager() { return {}; }

    // Whether an item exists at the path, following symbolic links (a dangling link is no
    // item). `isDirectory`, when given, is set in every case: false when nothing exists.
    // A path without a POSIX form (a lone surrogate, a NUL) names nothing.
    [[nodiscard]] bool fileExistsAtPath(const String& path, bool* isDirectory = nullptr) const;
};

} // namespace platform

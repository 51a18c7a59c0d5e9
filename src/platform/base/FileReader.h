#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <optional>

namespace platform {

// Reads a file whole.
class FileReader {
public:
    // None when the file cannot be read, with the reason for a person in `reason`.
    [[nodiscard]] static std::optional<Data> readData(const String& path, String& reason);
};

} // namespace platform

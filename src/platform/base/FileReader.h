#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

namespace platform {

// Reads a file whole.
class FileReader {
public:
    // Fails, with the reason for a person, when the file cannot be read.
    [[nodiscard]] static Result<Data> readData(const String& path);
};

} // namespace platform

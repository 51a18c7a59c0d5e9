#pragma once

#include "platform/base/String.h"

#include <optional>

namespace platform {

// What became of a write, each part for a person to read. An error: the file was not
// replaced and is as it was. A warning: the file holds the new data, but something after
// the replacement went wrong.
struct [[nodiscard]] FileWriteResult {
    std::optional<String> error;
    std::optional<String> warning;
};

} // namespace platform

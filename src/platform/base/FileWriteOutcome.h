#pragma once

#include "platform/base/Error.h"

#include <optional>

namespace platform {

// A write that replaced the file. The warning, for a person: the file holds the new data,
// but something after the replacement went wrong, so that the change may not survive a
// crash.
struct FileWriteOutcome {
    std::optional<Error> warning;
};

} // namespace platform

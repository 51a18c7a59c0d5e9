#pragma once

#include "platform/base/Result.h"
#include "platform/base/String.h"

#include <cstddef>

namespace platform {

// Reads a password as one line from a file descriptor, so that no password ever goes
// through argv or the environment, which other users read in /proc. The newline ends the
// line and is all that is taken off; the end of the input ends it too. A terminal shows a
// prompt and does not echo what is typed.
class PasswordReader {
public:
    // Longer lines are refused rather than cut.
    static constexpr std::size_t maximumLength = 4096;

    [[nodiscard]] static Result<String> readLine(int fd);
};

} // namespace platform

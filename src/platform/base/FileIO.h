#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"

#include <cstddef>
#include <limits>

namespace platform {

// Reads from the descriptor to its end, appending to `bytes`, at most `limit` bytes in all;
// reads interrupted by a signal are retried. Fails with EFBIG as its cause past the
// limit, or with the failed read's errno.
[[nodiscard]] Result<> readToEnd(int fd, Data& bytes,
                                 std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes every byte; writes interrupted by a signal are retried. Fails with the failed
// write's errno as its cause.
[[nodiscard]] Result<> writeAll(int fd, const Data& bytes);

} // namespace platform

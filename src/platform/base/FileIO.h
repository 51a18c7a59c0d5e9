#pragma once

#include "platform/base/Data.h"

#include <cstddef>
#include <limits>

namespace platform {

// Reads from the descriptor to its end, appending to `bytes`, at most `limit` bytes in all;
// reads interrupted by a signal are retried. Answers 0, EFBIG past the limit, or the
// failed read's errno.
[[nodiscard]] int readToEnd(int fd, Data& bytes,
                            std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes every byte; writes interrupted by a signal are retried. Answers 0 or the failed
// write's errno.
[[nodiscard]] int writeAll(int fd, const Data& bytes);

} // namespace platform

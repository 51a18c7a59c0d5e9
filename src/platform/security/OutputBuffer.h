#pragma once

#include "platform/base/Data.h"

#include <cstddef>

namespace platform {

// A zero-filled buffer for a cipher's output. A large one asks the system for huge pages
// first: touching fresh memory a small page at a time costs more than the cipher itself.
[[nodiscard]] Data zeroedOutputBuffer(std::size_t length);

} // namespace platform

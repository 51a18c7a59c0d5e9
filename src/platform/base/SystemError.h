#pragma once

#include "platform/base/String.h"

namespace platform {

// What the C library says of an errno, in the user's language ("No space left on device").
[[nodiscard]] String systemErrorText(int error);

} // namespace platform

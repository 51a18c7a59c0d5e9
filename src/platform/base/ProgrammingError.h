#pragma once

#include <string_view>

namespace platform {

// Ends the program with the message: for misuse of the platform that no caller can
// recover from (a main queue with no run loop installed, a second main run loop).
[[noreturn]] void programmingError(std::string_view message);

} // namespace platform

#include "platform/base/ProgrammingError.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void programmingError(std::string_view message) {
    std::fprintf(stderr, "Programming error: %.*s\n", static_cast<int>(message.size()),
                 message.data());
    std::fflush(stderr);
    std::abort();
}

} // namespace platform

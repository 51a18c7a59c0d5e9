#include "platform/base/BaseEnvironment.h"

#include <cstdio>

namespace platform {

void BaseEnvironment::reportFailure(const String& message) const {
    if (failureReporter)
        failureReporter(message);
    else
        std::fprintf(stderr, "Sealscribe: %s\n", toUtf8Lossy(message).c_str());
}

} // namespace platform

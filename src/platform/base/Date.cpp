#include "platform/base/Date.h"

#include <chrono>

namespace platform {

Date Date::now() {
    using namespace std::chrono;
    const auto sinceEpoch = duration<double>(system_clock::now().time_since_epoch());
    return fromUnixTime(sinceEpoch.count());
}

} // namespace platform

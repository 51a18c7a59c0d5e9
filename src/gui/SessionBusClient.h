#pragma once

#include "platform/ui/DesktopRequest.h"

#include <optional>

namespace gui {

// Hands a request of the command line to the instance of the program that runs on the
// session bus, before this start makes any window (so it needs no display), and waits
// for its answer as long as it takes: an alert of the instance may wait for a person.
class SessionBusClient {
public:
    // The exit status (0 once performed, else 1 with the reason on stderr); none when no
    // instance runs, or there is no session bus, and this start must be the program.
    [[nodiscard]] static std::optional<int> forward(const platform::DesktopRequest& request);
};

} // namespace gui

#pragma once

#include "platform/system/Launcher.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace platform {

// Spawns the commands as child processes (found on PATH, standard streams on /dev/null, in
// a session of their own) and waits for them on a worker thread of each request.
class ProcessLauncher : public Launcher {
public:
    // Told, on the worker thread, the index of the command that succeeded, or none.
    using Finished = std::function<void(std::optional<std::size_t> succeeded)>;

    explicit ProcessLauncher(Finished finished = {});

    void launch(std::vector<Command> alternatives) override;

private:
    Finished finished_;
};

} // namespace platform

#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts desktop programs for the workspace. Tests put in one that records the requests.
class Launcher {
public:
    // An argument vector in UTF-8, the program first; it reaches the program as it stands,
    // never through a shell.
    using Command = std::vector<std::string>;

    virtual ~Launcher() = default;

    // Runs the commands in turn, each only when the one before could not be started or
    // ended with a non-zero status, and returns at once.
    virtual void launch(std::vector<Command> alternatives) = 0;
};

} // namespace platform

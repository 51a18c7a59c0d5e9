#pragma once

#include "platform/system/Launcher.h"

#include <vector>

namespace platform {

// Keeps the requests instead of launching anything, for tests of what the program asks
// the desktop to open.
class RecordingLauncher : public Launcher {
public:
    void launch(std::vector<Command> alternatives) override {
        requests_.push_back(std::move(alternatives));
    }

    [[nodiscard]] const std::vector<std::vector<Command>>& requests() const { return requests_; }

private:
    std::vector<std::vector<Command>> requests_;
};

} // namespace platform

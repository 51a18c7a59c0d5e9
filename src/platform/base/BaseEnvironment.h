#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"
#include "platform/base/String.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace platform {

class UserDefaults;
class UserDefaultsController;

// The shared objects of platform/base: the program's settings store and its controller
// (see UserDefaults::standardUserDefaults), and where a fault of the program's own wiring
// is reported: an observation, a pending edit or a binding of a key that the object lacks.
// It is part of the Environment of platform/ui; the tests of this layer build one of their
// own.
class BaseEnvironment : public EnvironmentPart<BaseEnvironment> {
public:
    using FailureReporter = std::function<void(const String& message)>;

    // The settings in UserDefaults::standardSettingsFolder() as it is when the store is
    // first used, or in the folder given.
    BaseEnvironment() = default;
    explicit BaseEnvironment(std::filesystem::path settingsFolder)
        : settingsFolder_(std::move(settingsFolder)) {}

    [[nodiscard]] const std::optional<std::filesystem::path>& settingsFolder() const {
        return settingsFolder_;
    }

    SharedSlot<UserDefaults> userDefaults;
    SharedSlot<UserDefaultsController> userDefaultsController;
    // None: failures go to the log.
    FailureReporter failureReporter;

    void reportFailure(const String& message) const;

private:
    friend class EnvironmentPart<BaseEnvironment>;
    explicit BaseEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}

    std::optional<std::filesystem::path> settingsFolder_;
};

} // namespace platform

#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"
#include "platform/base/String.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace platform {

class UserDefaults;
class UserDefaultsController;

// The shared objects of platform/base: the program's settings store and its controller,
// and where a fault of the program's own wiring is reported (an observation, a pending
// edit or a binding of a key that the object lacks). It is part of the Environment of
// platform/ui; the tests of this layer build one of their own.
class BaseEnvironment : public EnvironmentPart<BaseEnvironment> {
public:
    using FailureReporter = std::function<void(const String& message)>;

    // Failures go to the log until a reporter is set. The settings are in
    // UserDefaults::standardSettingsFolder() as it is when the store is first used, or in
    // the folder given.
    BaseEnvironment();
    explicit BaseEnvironment(std::filesystem::path settingsFolder);
    ~BaseEnvironment();

    // Made on first use, over the settings folder.
    [[nodiscard]] std::shared_ptr<UserDefaults> standardUserDefaults();
    [[nodiscard]] std::shared_ptr<UserDefaultsController> sharedUserDefaultsController();

    void setFailureReporter(FailureReporter reporter) { reportFailure_ = std::move(reporter); }
    void reportFailure(const String& message) const;

private:
    friend class EnvironmentPart<BaseEnvironment>;
    explicit BaseEnvironment(Fallback fallback);

    std::filesystem::path settingsFolder_; // empty: the standard one
    FailureReporter reportFailure_;
    SharedSlot<UserDefaults> userDefaults_;
    SharedSlot<UserDefaultsController> userDefaultsController_;
};

} // namespace platform

#include "platform/base/BaseEnvironment.h"

#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"

#include <cstdio>

namespace platform {

BaseEnvironment::BaseEnvironment() = default;

BaseEnvironment::BaseEnvironment(std::filesystem::path settingsFolder)
    : settingsFolder_(std::move(settingsFolder)) {}

BaseEnvironment::BaseEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}

BaseEnvironment::~BaseEnvironment() = default;

std::shared_ptr<UserDefaults> BaseEnvironment::standardUserDefaults() {
    return userDefaults_.get([this] {
        return std::make_shared<UserDefaults>(
            settingsFolder_.empty() ? UserDefaults::standardSettingsFolder() : settingsFolder_);
    });
}

std::shared_ptr<UserDefaultsController> BaseEnvironment::sharedUserDefaultsController() {
    return userDefaultsController_.get(
        [this] { return std::make_shared<UserDefaultsController>(standardUserDefaults()); });
}

void BaseEnvironment::reportFailure(const String& message) const {
    if (reportFailure_)
        reportFailure_(message);
    else
        std::fprintf(stderr, "Sealscribe: %s\n", toUtf8Lossy(message).c_str());
}

} // namespace platform

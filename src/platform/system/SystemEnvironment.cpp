#include "platform/system/SystemEnvironment.h"

#include "platform/system/ProcessLauncher.h"
#include "platform/system/Workspace.h"

namespace platform {

SystemEnvironment::SystemEnvironment() = default;
SystemEnvironment::SystemEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}
SystemEnvironment::~SystemEnvironment() = default;

std::shared_ptr<Workspace> SystemEnvironment::workspace() {
    return workspace_.get(
        [] { return std::make_shared<Workspace>(std::make_shared<ProcessLauncher>()); });
}

void SystemEnvironment::setWorkspace(std::shared_ptr<Workspace> workspace) {
    workspace_.set(std::move(workspace));
}

} // namespace platform

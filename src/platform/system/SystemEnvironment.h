#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"

#include <memory>

namespace platform {

class Workspace;

// The shared objects of platform/system: the workspace. It is part of the Environment of
// platform/ui; the tests of this layer build one of their own.
class SystemEnvironment : public EnvironmentPart<SystemEnvironment> {
public:
    SystemEnvironment();
    ~SystemEnvironment();

    // Over a ProcessLauncher unless one was given.
    [[nodiscard]] std::shared_ptr<Workspace> workspace();
    void setWorkspace(std::shared_ptr<Workspace> workspace);

private:
    friend class EnvironmentPart<SystemEnvironment>;
    explicit SystemEnvironment(Fallback fallback);

    SharedSlot<Workspace> workspace_;
};

} // namespace platform

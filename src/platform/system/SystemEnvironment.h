#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"

namespace platform {

class FileAccess;
class Workspace;

// The shared objects of platform/system: the workspace (see Workspace::sharedWorkspace) and
// the access to bookmarked files (FileAccess::sharedFileAccess). It is part of the
// Environment of platform/ui; the tests of this layer build one of their own.
class SystemEnvironment : public EnvironmentPart<SystemEnvironment> {
public:
    SystemEnvironment() = default;

    SharedSlot<Workspace> workspace;
    SharedSlot<FileAccess> fileAccess;

private:
    friend class EnvironmentPart<SystemEnvironment>;
    explicit SystemEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}
};

} // namespace platform

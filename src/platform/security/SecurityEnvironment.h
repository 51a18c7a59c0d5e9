#pragma once

#include "platform/base/EnvironmentPart.h"

namespace platform {

class SecureRandomOverride;

// The shared state of platform/security: the innermost live SecureRandomOverride. It is
// part of the Environment of platform/ui; the tests of this layer build one of their own.
class SecurityEnvironment : public EnvironmentPart<SecurityEnvironment> {
public:
    SecurityEnvironment() = default;

    // Set and restored by the overrides.
    const SecureRandomOverride* secureRandomOverride = nullptr;

private:
    friend class EnvironmentPart<SecurityEnvironment>;
    explicit SecurityEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}
};

} // namespace platform

#include "platform/security/SecureRandomOverride.h"

#include "platform/security/SecurityEnvironment.h"

namespace platform {

SecureRandomOverride::SecureRandomOverride(Source source)
    : source_(std::move(source)), environment_(SecurityEnvironment::current()),
      previous_(environment_.secureRandomOverride) {
    environment_.secureRandomOverride = this;
}

SecureRandomOverride::~SecureRandomOverride() {
    environment_.secureRandomOverride = previous_;
}

const SecureRandomOverride::Source* SecureRandomOverride::active() {
    const SecureRandomOverride* innermost = SecurityEnvironment::current().secureRandomOverride;
    return innermost != nullptr ? &innermost->source_ : nullptr;
}

} // namespace platform

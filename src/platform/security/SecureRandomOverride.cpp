#include "platform/security/SecureRandomOverride.h"

namespace platform {
namespace {

const SecureRandomOverride* innermost = nullptr;

} // namespace

SecureRandomOverride::SecureRandomOverride(Source source)
    : source_(std::move(source)), previous_(innermost) {
    innermost = this;
}

SecureRandomOverride::~SecureRandomOverride() {
    innermost = previous_;
}

const SecureRandomOverride::Source* SecureRandomOverride::active() {
    return innermost != nullptr ? &innermost->source_ : nullptr;
}

} // namespace platform

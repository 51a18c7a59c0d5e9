#include "platform/ui/OutletOwner.h"

namespace platform {

bool OutletOwner::setOutlet(const String& name, const std::shared_ptr<Object>& object) {
    const auto found = outlets_.find(name);
    return found != outlets_.end() && found->second.set(object);
}

std::shared_ptr<Object> OutletOwner::outlet(const String& name) const {
    const auto found = outlets_.find(name);
    return found == outlets_.end() ? nullptr : found->second.get();
}

} // namespace platform

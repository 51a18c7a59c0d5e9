#include "platform/ui/InterfaceLoader.h"

#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/LoadedInterface.h"

namespace platform {

std::shared_ptr<LoadedInterface>
InterfaceLoader::loadNibNamed(const String& name, const std::shared_ptr<Object>& owner) {
    return loadNibNamed(name, owner, *InterfaceRegistry::sharedRegistry());
}

std::shared_ptr<LoadedInterface> InterfaceLoader::loadNibNamed(const String& name,
                                                               const std::shared_ptr<Object>& owner,
                                                               const InterfaceRegistry& registry) {
    const auto* builder = registry.builderNamed(name);
    if (!builder || !*builder) {
        if (registry.messageSink())
            registry.messageSink()(u"no interface description named \u201c" + name +
                                   u"\u201d to load");
        return nullptr;
    }
    auto interface = std::make_shared<LoadedInterface>(name, owner, registry.messageSink());
    (*builder)(*interface);
    return interface;
}

} // namespace platform

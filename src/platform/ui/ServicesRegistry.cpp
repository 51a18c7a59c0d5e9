#include "platform/ui/ServicesRegistry.h"

#include "platform/ui/Environment.h"
#include "platform/ui/ServicesProvider.h"

namespace platform {

ServicesRegistry& ServicesRegistry::shared() {
    return *Environment::current().servicesRegistry.get();
}

void ServicesRegistry::registerServicesProvider(ServicesProvider& provider, const String& name) {
    providers_[name] = {&provider, provider.lifetime()};
}

ServicesRegistry::Outcome ServicesRegistry::performService(const String& providerName,
                                                           const String& message,
                                                           Pasteboard& pboard,
                                                           const Value& userData) {
    const auto found = providers_.find(providerName);
    if (found == providers_.end() || found->second.lifetime.expired()) {
        return {false, u"No application offers the service \"" + providerName + u"\"."};
    }
    const auto* service = found->second.provider->serviceForMessage(message);
    if (!service)
        return {false, u"\"" + providerName + u"\" does not offer \"" + message + u"\"."};
    Outcome outcome{true, std::nullopt};
    (*service)(pboard, userData, outcome.error);
    return outcome;
}

void registerServicesProvider(ServicesProvider& provider, const String& name) {
    ServicesRegistry::shared().registerServicesProvider(provider, name);
}

} // namespace platform

#include "platform/ui/InterfaceRegistry.h"

#include "platform/ui/Environment.h"

#include <cstdio>

namespace platform {

std::shared_ptr<InterfaceRegistry> InterfaceRegistry::sharedRegistry() {
    return Environment::current().interfaceRegistry.get();
}

void InterfaceRegistry::setSharedRegistry(const std::shared_ptr<InterfaceRegistry>& registry) {
    Environment::current().interfaceRegistry.set(registry);
}

void InterfaceRegistry::logMessage(const String& message) {
    std::fprintf(stderr, "Sealscribe: %s\n", toUtf8Lossy(message).c_str());
}

InterfaceRegistry::InterfaceRegistry(MessageSink sink) : sink_(std::move(sink)) {}

void InterfaceRegistry::registerInterface(const String& name, Builder builder) {
    builders_[name] = std::move(builder);
}

const InterfaceRegistry::Builder* InterfaceRegistry::builderNamed(const String& name) const {
    const auto found = builders_.find(name);
    return found == builders_.end() ? nullptr : &found->second;
}

} // namespace platform

#include "platform/ui/ServicesProvider.h"

namespace platform {

ServicesProvider::ServicesProvider() : lifetime_(std::make_shared<const int>(0)) {}

const ServicesProvider::Service* ServicesProvider::serviceForMessage(const String& message) const {
    const auto found = services_.find(message);
    return found == services_.end() ? nullptr : &found->second;
}

void ServicesProvider::exposeService(const String& message, Service service) {
    services_[message] = std::move(service);
}

} // namespace platform

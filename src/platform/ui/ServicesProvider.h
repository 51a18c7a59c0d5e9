#pragma once

#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace platform {

class Pasteboard;

// An object that offers Services to other applications: it answers requests by message
// name ("doCreateDocWithText:userData:error:") with the pasteboard they bring. A service
// writes the error out-parameter only when it fails.
//
// A subclass exposes its services in its constructor:
//     exposeService(u"doCreateDocWithText:userData:error:",
//                   [this](Pasteboard& pboard, const Value& userData,
//                          std::optional<String>& error) {
//                       doCreateDocWithText(pboard, userData, error);
//                   });
class ServicesProvider {
public:
    using Service = std::function<void(Pasteboard& pboard, const Value& userData,
                                       std::optional<String>& error)>;

    ServicesProvider();
    ServicesProvider(const ServicesProvider&) = delete;
    ServicesProvider& operator=(const ServicesProvider&) = delete;
    virtual ~ServicesProvider() = default;

    // Null when the message is not one of this provider's.
    [[nodiscard]] const Service* serviceForMessage(const String& message) const;

    // Lives as long as the provider, so that a registry holding the provider by address
    // knows when it has gone.
    [[nodiscard]] std::weak_ptr<const void> lifetime() const { return lifetime_; }

protected:
    void exposeService(const String& message, Service service);

private:
    std::map<String, Service> services_;
    std::shared_ptr<const int> lifetime_;
};

} // namespace platform

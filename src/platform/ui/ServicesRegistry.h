#pragma once

#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <map>
#include <memory>
#include <optional>

namespace platform {

class Pasteboard;
class ServicesProvider;

// The Services providers of the application by name, and the entry point through which a
// request from another application (the desktop's Services menu, through the Qt backend)
// reaches its provider. Requests are delivered on the main thread, where providers live.
//
// A provider is held by address, not owned: it may register itself from its constructor,
// and a provider that has gone away no longer answers.
class ServicesRegistry {
public:
    struct Outcome {
        // Whether a provider of that name offered the message and ran it.
        bool delivered = false;
        // The text to show the user: the provider's, or why nothing was delivered.
        std::optional<String> error;
    };

    // The application's registry, its Environment's.
    [[nodiscard]] static ServicesRegistry& shared();

    // Another provider under the same name replaces the first.
    void registerServicesProvider(ServicesProvider& provider, const String& name);

    [[nodiscard]] Outcome performService(const String& providerName, const String& message,
                                         Pasteboard& pboard, const Value& userData = {});

private:
    struct Registration {
        ServicesProvider* provider = nullptr;
        std::weak_ptr<const void> lifetime;
    };

    std::map<String, Registration> providers_;
};

// Registers the provider with the application's registry.
void registerServicesProvider(ServicesProvider& provider, const String& name);

} // namespace platform

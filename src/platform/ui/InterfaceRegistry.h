#pragma once

#include "platform/base/String.h"
#include "platform/ui/LoadedInterface.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

// The program's interface descriptions by name ("MyDocument", "MainMenu"): each is a
// builder that, given the interface being loaded for an owner, makes the platform's view
// objects and connects their outlets, actions and bindings (see LoadedInterface). The
// program fills the shared registry, its Environment's, at start; tests install their own.
// Its message sink also hears of observations and bindings of keys that objects lack.
class InterfaceRegistry {
public:
    using Builder = std::function<void(LoadedInterface& interface)>;
    using MessageSink = LoadedInterface::MessageSink;

    // The environment's registry; an empty one is made on first use when none is installed.
    [[nodiscard]] static std::shared_ptr<InterfaceRegistry> sharedRegistry();
    // Installs a registry (none: the next use makes a fresh one).
    static void setSharedRegistry(const std::shared_ptr<InterfaceRegistry>& registry);

    // Writes a loader's message to the program's log (standard error).
    static void logMessage(const String& message);

    explicit InterfaceRegistry(MessageSink sink = logMessage);

    // Replaces a description of the same name.
    void registerInterface(const String& name, Builder builder);
    [[nodiscard]] bool hasInterfaceNamed(const String& name) const {
        return builders_.contains(name);
    }
    // None when there is no description of that name.
    [[nodiscard]] const Builder* builderNamed(const String& name) const;

    // Where the loader reports what it could not do.
    [[nodiscard]] const MessageSink& messageSink() const { return sink_; }

private:
    std::map<String, Builder> builders_;
    MessageSink sink_;
};

} // namespace platform

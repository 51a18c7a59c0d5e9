#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"

#include <memory>

namespace platform {

class InterfaceRegistry;
class LoadedInterface;

// Loads a named interface description for its owner, as the platform loads an interface
// file: the description builds its objects and connects them to the owner's outlets.
class InterfaceLoader {
public:
    // From the shared registry.
    [[nodiscard]] static std::shared_ptr<LoadedInterface>
    loadNibNamed(const String& name, const std::shared_ptr<Object>& owner);
    // None for a name that the registry has no description of; that is reported to the
    // registry's message sink.
    [[nodiscard]] static std::shared_ptr<LoadedInterface>
    loadNibNamed(const String& name, const std::shared_ptr<Object>& owner,
                 const InterfaceRegistry& registry);
};

} // namespace platform

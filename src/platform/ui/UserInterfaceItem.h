#pragma once

#include "platform/base/String.h"

#include <cstdint>
#include <memory>

namespace platform {

class Object;

// What validation and action methods read of a menu item, a toolbar item or a control.
// An action is a selector string with its colons ("lockDocument:"); the empty string is
// no action.
class UserInterfaceItem {
public:
    virtual ~UserInterfaceItem() = default;

    [[nodiscard]] virtual String action() const = 0;
    [[nodiscard]] virtual std::int64_t tag() const = 0;

    // The tag of an action's sender; 0 for a sender that has none (or no sender).
    [[nodiscard]] static std::int64_t tagOf(const std::shared_ptr<Object>& sender);
};

} // namespace platform

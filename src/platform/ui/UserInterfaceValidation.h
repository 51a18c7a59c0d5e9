#pragma once

#include "platform/base/String.h"

#include <memory>

namespace platform {

class ActionTarget;
class Application;
class MenuItem;
class Responder;
class ToolbarItem;

// Whether an item with an action is enabled: its target (or, without one, the responder
// chain's target for the action) must answer the action; then the target's validation
// decides, and a target that does not validate enables the item.
class UserInterfaceValidation {
public:
    // validateMenuItem where the target answers it, validateUserInterfaceItem otherwise.
    [[nodiscard]] static bool validateMenuItem(Application& application, MenuItem& item);
    // validateUserInterfaceItem only.
    [[nodiscard]] static bool validateToolbarItem(Application& application, ToolbarItem& item);

private:
    [[nodiscard]] static std::shared_ptr<Responder>
    targetOf(Application& application, const String& action, const ActionTarget& target);
};

} // namespace platform

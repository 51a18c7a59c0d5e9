#include "platform/ui/UserInterfaceValidation.h"

#include "platform/ui/Application.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/ToolbarItem.h"

namespace platform {

bool UserInterfaceValidation::validateMenuItem(Application& application, MenuItem& item) {
    if (item.action().empty())
        return item.isEnabled();
    const auto target = targetOf(application, item.action(), item.actionTarget());
    if (!target)
        return false;
    if (const auto answer = target->validateMenuItem(item))
        return *answer;
    return target->validateUserInterfaceItem(item).value_or(true);
}

bool UserInterfaceValidation::validateToolbarItem(Application& application, ToolbarItem& item) {
    if (item.action().empty())
        return item.isEnabled();
    const auto target = targetOf(application, item.action(), item.actionTarget());
    return target && target->validateUserInterfaceItem(item).value_or(true);
}

std::shared_ptr<Responder> UserInterfaceValidation::targetOf(Application& application,
                                                             const String& action,
                                                             const ActionTarget& target) {
    if (!target.isSet())
        return application.targetForAction(action);
    auto explicitTarget = target.get();
    return explicitTarget && explicitTarget->respondsToAction(action) ? explicitTarget : nullptr;
}

} // namespace platform

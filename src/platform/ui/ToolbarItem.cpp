#include "platform/ui/ToolbarItem.h"

#include "platform/ui/Application.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/UserInterfaceValidation.h"

namespace platform {

ToolbarItem::ToolbarItem(const String& itemIdentifier) : itemIdentifier_(itemIdentifier) {}

void ToolbarItem::userClick() {
    const auto application = Application::sharedApplication();
    if (!action_.empty())
        setEnabled(UserInterfaceValidation::validateToolbarItem(*application, *this));
    if (!isEnabled())
        return;
    const auto keepAlive = shared_from_this();
    if (const auto owner = toolbar(); owner && owner->isSelectable(itemIdentifier_))
        owner->setSelectedItemIdentifier(itemIdentifier_);
    if (!action_.empty() && !target_.isGone())
        application->sendAction(action_, target_.get(), keepAlive);
}

} // namespace platform

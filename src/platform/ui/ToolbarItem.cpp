#include "platform/ui/ToolbarItem.h"

#include "platform/ui/Application.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/UserInterfaceValidation.h"

namespace platform {

ToolbarItem::ToolbarItem(const String& itemIdentifier) : itemIdentifier_(itemIdentifier) {
    exposeKey(
        u"enabled", [this] { return Value(Number::boolean(enabled_)); },
        [this](const Value& value) { setEnabled(value.boolValue()); });
    exposeKey(u"label", [this] { return Value(label_); });
}

void ToolbarItem::setLabel(const String& label) {
    label_ = label;
    didChangeValueForKey(u"label");
}

void ToolbarItem::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    didChangeValueForKey(u"enabled");
}

void ToolbarItem::userClick() {
    const auto application = Application::sharedApplication();
    if (!action_.empty())
        setEnabled(UserInterfaceValidation::validateToolbarItem(*application, *this));
    if (!enabled_)
        return;
    const auto keepAlive = shared_from_this();
    if (const auto owner = toolbar(); owner && owner->isSelectable(itemIdentifier_))
        owner->setSelectedItemIdentifier(itemIdentifier_);
    if (!action_.empty() && !target_.isGone())
        application->sendAction(action_, target_.get(), keepAlive);
}

} // namespace platform

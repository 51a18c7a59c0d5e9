#include "platform/ui/MenuItem.h"

#include "platform/ui/Application.h"
#include "platform/ui/UserInterfaceValidation.h"

namespace platform {

MenuItem::MenuItem(const String& title, const String& action, const String& keyEquivalent)
    : title_(title), action_(action), keyEquivalent_(keyEquivalent) {
    exposeKey(
        u"title", [this] { return Value(title_); },
        [this](const Value& value) { setTitle(value.stringValue().value_or(u"")); });
    exposeKey(
        u"state", [this] { return Value(Number::int64(state_)); },
        [this](const Value& value) { setState(value.longValue()); });
    exposeKey(
        u"enabled", [this] { return Value(Number::boolean(enabled_)); },
        [this](const Value& value) { setEnabled(value.boolValue()); });
}

std::shared_ptr<MenuItem> MenuItem::separatorItem() {
    auto item = std::make_shared<MenuItem>();
    item->separator_ = true;
    item->enabled_ = false;
    return item;
}

void MenuItem::setTitle(const String& title) {
    if (title == title_)
        return;
    title_ = title;
    didChangeValueForKey(u"title");
}

void MenuItem::setState(ControlState state) {
    if (state == state_)
        return;
    state_ = state;
    didChangeValueForKey(u"state");
}

void MenuItem::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    didChangeValueForKey(u"enabled");
}

void MenuItem::userChoose() {
    if (separator_ || submenu_)
        return;
    const auto application = Application::sharedApplication();
    setEnabled(UserInterfaceValidation::validateMenuItem(*application, *this));
    if (!enabled_ || action_.empty() || target_.isGone())
        return;
    application->sendAction(action_, target_.get(), shared_from_this());
}

} // namespace platform

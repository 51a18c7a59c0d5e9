#include "platform/ui/MenuItem.h"

#include "platform/ui/Application.h"
#include "platform/ui/UserInterfaceValidation.h"

namespace platform {

MenuItem::MenuItem(const String& title, const String& action, const String& keyEquivalent)
    : title_(*this, u"title", title, &MenuItem::setTitle), action_(action),
      keyEquivalent_(keyEquivalent) {}

std::shared_ptr<MenuItem> MenuItem::separatorItem() {
    auto item = std::make_shared<MenuItem>();
    item->separator_ = true;
    item->setEnabled(false);
    return item;
}

void MenuItem::userChoose() {
    if (separator_ || submenu_)
        return;
    const auto application = Application::sharedApplication();
    setEnabled(UserInterfaceValidation::validateMenuItem(*application, *this));
    if (!isEnabled() || action_.empty() || target_.isGone())
        return;
    application->sendAction(action_, target_.get(), shared_from_this());
}

} // namespace platform

#include "platform/ui/Toolbar.h"

#include "platform/ui/Application.h"
#include "platform/ui/ToolbarDelegate.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/UserInterfaceValidation.h"

#include <algorithm>

namespace platform {

Toolbar::Toolbar(const String& identifier) : identifier_(identifier) {}

void Toolbar::setDelegate(const std::shared_ptr<ToolbarDelegate>& delegate) {
    delegate_ = delegate;
    if (window())
        loadItems();
}

void Toolbar::validateVisibleItems() {
    const auto application = Application::sharedApplication();
    for (const auto& item : items())
        if (!item->action().empty())
            item->setEnabled(UserInterfaceValidation::validateToolbarItem(*application, *item));
}

void Toolbar::attachTo(const std::shared_ptr<Window>& window) {
    attachedWindow_ = window;
    loadItems();
}

void Toolbar::loadItems() {
    const auto source = delegate();
    if (loaded_ || !source)
        return;
    loaded_ = true;
    const auto self = std::static_pointer_cast<Toolbar>(shared_from_this());
    items_.modify([&](auto& items) {
        for (const auto& identifier : source->toolbarDefaultItemIdentifiers(*this)) {
            auto item = source->toolbar(*this, identifier, true);
            if (!item)
                continue;
            item->toolbar_ = self;
            items.push_back(std::move(item));
        }
    });
}

bool Toolbar::isSelectable(const String& identifier) {
    const auto source = delegate();
    if (!source)
        return false;
    const auto selectable = source->toolbarSelectableItemIdentifiers(*this);
    return std::find(selectable.begin(), selectable.end(), identifier) != selectable.end();
}

} // namespace platform

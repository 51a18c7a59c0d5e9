#include "platform/ui/WindowsMenuItems.h"

#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Window.h"

namespace platform {

bool WindowsMenuItems::isListed(const Window& window) {
    return window.isVisible() && !window.isExcludedFromWindowsMenu() && !window.sheetParent() &&
           !dynamic_cast<const Panel*>(&window);
}

void WindowsMenuItems::refresh(Menu& menu, const std::vector<std::shared_ptr<Window>>& windows,
                               const std::shared_ptr<Window>& keyWindow) {
    for (const auto& item : added_)
        menu.removeItem(item);
    added_.clear();
    for (const auto& window : windows) {
        if (!isListed(*window))
            continue;
        if (added_.empty() && menu.numberOfItems() > 0) {
            added_.push_back(MenuItem::separatorItem());
            menu.addItem(added_.back());
        }
        auto item = std::make_shared<MenuItem>(window->title(), u"makeKeyAndOrderFront:", u"");
        item->setTarget(window);
        const bool key = keyWindow == window || (keyWindow && keyWindow->sheetParent() == window);
        item->setState(key ? ControlStateOn : ControlStateOff);
        menu.addItem(item);
        added_.push_back(item);
    }
}

} // namespace platform

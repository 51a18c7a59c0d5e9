#pragma once

#include <memory>
#include <vector>

namespace platform {

class Menu;
class MenuItem;
class Window;

// The items of the Windows menu that name the open windows: after the menu's own items
// and a separator, one item per window, in the application's order, that brings its
// window to the front; the key window's item is checked. Sheets, panels and windows
// excluded from the menu are not listed.
class WindowsMenuItems {
public:
    // Replaces the items this made before.
    void refresh(Menu& menu, const std::vector<std::shared_ptr<Window>>& windows,
                 const std::shared_ptr<Window>& keyWindow);

private:
    [[nodiscard]] static bool isListed(const Window& window);

    std::vector<std::shared_ptr<MenuItem>> added_;
};

} // namespace platform

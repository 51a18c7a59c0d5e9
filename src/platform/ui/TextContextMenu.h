#pragma once

#include <memory>

namespace platform {

class Menu;
class Text;

// The menu a text shows at a right-click: the Edit commands, aimed at the text itself,
// and validated by it as the Edit menu is.
class TextContextMenu {
public:
    [[nodiscard]] static std::shared_ptr<Menu> menuFor(const std::shared_ptr<Text>& text);
};

} // namespace platform

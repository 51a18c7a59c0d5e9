#include "platform/ui/TextContextMenu.h"

#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Text.h"

#include <array>
#include <utility>

namespace platform {

std::shared_ptr<Menu> TextContextMenu::menuFor(const std::shared_ptr<Text>& text) {
    // A title of none is a separator.
    static constexpr std::array<std::pair<const char16_t*, const char16_t*>, 9> commands = {{
        {u"Undo", u"undo:"},
        {u"Redo", u"redo:"},
        {nullptr, nullptr},
        {u"Cut", u"cut:"},
        {u"Copy", u"copy:"},
        {u"Paste", u"paste:"},
        {u"Delete", u"delete:"},
        {nullptr, nullptr},
        {u"Select All", u"selectAll:"},
    }};
    auto menu = std::make_shared<Menu>();
    for (const auto& [title, action] : commands) {
        if (!title) {
            menu->addItem(MenuItem::separatorItem());
            continue;
        }
        auto item = std::make_shared<MenuItem>(title, action, u"");
        item->setTarget(text);
        menu->addItem(item);
    }
    return menu;
}

} // namespace platform

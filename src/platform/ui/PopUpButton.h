#pragma once

#include "platform/ui/Control.h"

#include <optional>

namespace platform {

class Menu;
class MenuItem;

// A pop-up menu of items, one of them selected; the selected item carries the check mark
// (state on). Observable keys: "indexOfSelectedItem", "titleOfSelectedItem", "menu".
class PopUpButton : public Control {
public:
    PopUpButton();
    explicit PopUpButton(const Rect& frame);

    // Setting a menu selects its first item.
    [[nodiscard]] std::shared_ptr<Menu> menu() const { return menu_; }
    void setMenu(const std::shared_ptr<Menu>& menu);

    [[nodiscard]] std::int64_t numberOfItems() const;
    [[nodiscard]] std::shared_ptr<MenuItem> itemAtIndex(std::int64_t index) const;

    // -1 and none when nothing is selected.
    [[nodiscard]] std::int64_t indexOfSelectedItem() const;
    [[nodiscard]] std::shared_ptr<MenuItem> selectedItem() const;
    [[nodiscard]] std::optional<String> titleOfSelectedItem() const;

    // An index outside the items, or -1, selects nothing.
    void selectItemAtIndex(std::int64_t index);
    // A title that no item has selects nothing, as on the platform.
    void selectItemWithTitle(const String& title);
    void selectItem(const std::shared_ptr<MenuItem>& item);

    // User entry point: selects the item and sends its action, or the pop-up's own when
    // the item has none, with the item (respectively the pop-up) as sender. A disabled
    // pop-up or item does nothing.
    void userSelectItemAtIndex(std::int64_t index);

private:
    void changeSelection(std::shared_ptr<MenuItem> item);

    std::shared_ptr<Menu> menu_;
    std::weak_ptr<MenuItem> selected_;
};

} // namespace platform

#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Menu.h"

#include <optional>

namespace platform {

// A pop-up menu of items, one of them selected; the selected item carries the check mark
// (state on). Observable: "indexOfSelectedItem", "titleOfSelectedItem" (both writable by
// key, and told of every selection), "menu".
class PopUpButton : public Control {
public:
    PopUpButton();
    explicit PopUpButton(const Rect& frame);

    // Setting a menu selects its first item.
    [[nodiscard]] std::shared_ptr<Menu> menu() const { return menu_.get(); }
    void setMenu(const std::shared_ptr<Menu>& menu);
    [[nodiscard]] const Property<std::shared_ptr<Menu>>& menuProperty() const { return menu_; }

    [[nodiscard]] std::int64_t numberOfItems() const;
    [[nodiscard]] std::shared_ptr<MenuItem> itemAtIndex(std::int64_t index) const;

    // -1 and none when nothing is selected.
    [[nodiscard]] std::int64_t indexOfSelectedItem() const;
    [[nodiscard]] std::shared_ptr<MenuItem> selectedItem() const;
    [[nodiscard]] std::optional<String> titleOfSelectedItem() const;
    [[nodiscard]] const ComputedProperty<std::int64_t>& indexOfSelectedItemProperty() const {
        return indexOfSelectedItem_;
    }
    [[nodiscard]] const ComputedProperty<std::optional<String>>&
    titleOfSelectedItemProperty() const {
        return titleOfSelectedItem_;
    }

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
    void changeSelection(const std::shared_ptr<MenuItem>& item);
    void selectItemWithTitleOrNone(const std::optional<String>& title);

    Property<std::shared_ptr<Menu>> menu_{*this, u"menu"};
    std::weak_ptr<MenuItem> selected_;
    ComputedProperty<std::int64_t> indexOfSelectedItem_{*this, u"indexOfSelectedItem",
                                                        &PopUpButton::indexOfSelectedItem,
                                                        &PopUpButton::selectItemAtIndex};
    ComputedProperty<std::optional<String>> titleOfSelectedItem_{
        *this, u"titleOfSelectedItem", &PopUpButton::titleOfSelectedItem,
        &PopUpButton::selectItemWithTitleOrNone};
};

} // namespace platform

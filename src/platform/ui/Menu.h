#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/MenuItem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// A menu: its items in order. Indexes are the platform's signed integers; -1 is none.
// Observable: "items".
class Menu : public Object {
public:
    Menu() = default;
    explicit Menu(const String& title) : title_(title) {}

    [[nodiscard]] String title() const { return title_; }
    void setTitle(const String& title) { title_ = title; }

    [[nodiscard]] const std::vector<std::shared_ptr<MenuItem>>& items() const {
        return items_.get();
    }
    [[nodiscard]] const Property<std::vector<std::shared_ptr<MenuItem>>>& itemsProperty() const {
        return items_;
    }
    [[nodiscard]] std::int64_t numberOfItems() const {
        return static_cast<std::int64_t>(items().size());
    }

    // An item belongs to one menu at a time; adding one that is in a menu is a
    // programming error, as on the platform. An index outside 0...numberOfItems inserts
    // nothing.
    void addItem(const std::shared_ptr<MenuItem>& item);
    void insertItem(const std::shared_ptr<MenuItem>& item, std::int64_t index);
    void removeItem(const std::shared_ptr<MenuItem>& item);

    // None outside the items.
    [[nodiscard]] std::shared_ptr<MenuItem> itemAtIndex(std::int64_t index) const;
    [[nodiscard]] std::shared_ptr<MenuItem> itemWithTitle(const String& title) const;
    [[nodiscard]] std::int64_t indexOfItemWithTitle(const String& title) const;
    [[nodiscard]] std::int64_t indexOfItem(const MenuItem& item) const;

    // On (the default), update enables each item that has an action by validation.
    [[nodiscard]] bool autoenablesItems() const { return autoenablesItems_; }
    void setAutoenablesItems(bool autoenables) { autoenablesItems_ = autoenables; }

    // Validation before the menu is shown: each item with an action is enabled when its
    // target answers the action and its validation says yes; the validation may change
    // the item's title and state. Items without an action keep their enabled flag.
    // Submenus are updated when they are shown.
    void update();

private:
    String title_;
    Property<std::vector<std::shared_ptr<MenuItem>>> items_{*this, u"items"};
    bool autoenablesItems_ = true;
};

} // namespace platform

#include "platform/ui/Menu.h"

#include "platform/base/ProgrammingError.h"
#include "platform/ui/Application.h"
#include "platform/ui/MenuItem.h"

#include <algorithm>

namespace platform {

void Menu::addItem(const std::shared_ptr<MenuItem>& item) {
    insertItem(item, numberOfItems());
}

void Menu::insertItem(const std::shared_ptr<MenuItem>& item, std::int64_t index) {
    if (!item || index < 0 || index > numberOfItems())
        return;
    if (item->menu())
        programmingError("a menu item was added to a menu while it is in another menu");
    item->menu_ = std::static_pointer_cast<Menu>(shared_from_this());
    items_.modify([&](auto& items) { items.insert(items.begin() + index, item); });
}

void Menu::removeItem(const std::shared_ptr<MenuItem>& item) {
    const auto& items = this->items();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
        return;
    item->menu_.reset();
    const auto index = found - items.begin();
    items_.modify([index](auto& stored) { stored.erase(stored.begin() + index); });
}

std::shared_ptr<MenuItem> Menu::itemAtIndex(std::int64_t index) const {
    if (index < 0 || index >= numberOfItems())
        return nullptr;
    return items()[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> Menu::itemWithTitle(const String& title) const {
    return itemAtIndex(indexOfItemWithTitle(title));
}

std::int64_t Menu::indexOfItemWithTitle(const String& title) const {
    const auto& items = this->items();
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const auto& item) { return item->title() == title; });
    return found == items.end() ? -1 : found - items.begin();
}

std::int64_t Menu::indexOfItem(const MenuItem& item) const {
    const auto& items = this->items();
    const auto found = std::find_if(items.begin(), items.end(), [&](const auto& candidate) {
        return candidate.get() == &item;
    });
    return found == items.end() ? -1 : found - items.begin();
}

void Menu::update() {
    Application::sharedApplication()->validateMenu(*this);
}

} // namespace platform

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
    items_.insert(items_.begin() + index, item);
    didChangeValueForKey(u"items");
}

void Menu::removeItem(const std::shared_ptr<MenuItem>& item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end())
        return;
    item->menu_.reset();
    items_.erase(found);
    didChangeValueForKey(u"items");
}

std::shared_ptr<MenuItem> Menu::itemAtIndex(std::int64_t index) const {
    if (index < 0 || index >= numberOfItems())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> Menu::itemWithTitle(const String& title) const {
    return itemAtIndex(indexOfItemWithTitle(title));
}

std::int64_t Menu::indexOfItemWithTitle(const String& title) const {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& item) { return item->title() == title; });
    return found == items_.end() ? -1 : found - items_.begin();
}

std::int64_t Menu::indexOfItem(const MenuItem& item) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& candidate) {
        return candidate.get() == &item;
    });
    return found == items_.end() ? -1 : found - items_.begin();
}

void Menu::update() {
    Application::sharedApplication()->validateMenu(*this);
}

} // namespace platform

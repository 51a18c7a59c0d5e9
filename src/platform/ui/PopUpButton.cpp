#include "platform/ui/PopUpButton.h"

#include "platform/ui/Application.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"

namespace platform {

PopUpButton::PopUpButton() : PopUpButton(Rect()) {}

PopUpButton::PopUpButton(const Rect& frame) : Control(frame) {}

void PopUpButton::setMenu(const std::shared_ptr<Menu>& menu) {
    menu_.set(menu);
    changeSelection(itemAtIndex(0));
}

std::int64_t PopUpButton::numberOfItems() const {
    const auto menu = this->menu();
    return menu ? menu->numberOfItems() : 0;
}

std::shared_ptr<MenuItem> PopUpButton::itemAtIndex(std::int64_t index) const {
    const auto menu = this->menu();
    return menu ? menu->itemAtIndex(index) : nullptr;
}

std::int64_t PopUpButton::indexOfSelectedItem() const {
    const auto item = selectedItem();
    const auto menu = this->menu();
    return item && menu ? menu->indexOfItem(*item) : -1;
}

std::shared_ptr<MenuItem> PopUpButton::selectedItem() const {
    auto item = selected_.lock();
    return item && item->menu() == menu() ? item : nullptr;
}

std::optional<String> PopUpButton::titleOfSelectedItem() const {
    const auto item = selectedItem();
    return item ? std::optional<String>(item->title()) : std::nullopt;
}

void PopUpButton::selectItemAtIndex(std::int64_t index) {
    changeSelection(itemAtIndex(index));
}

void PopUpButton::selectItemWithTitle(const String& title) {
    const auto menu = this->menu();
    changeSelection(menu ? menu->itemWithTitle(title) : nullptr);
}

// A value by key that is no title is taken as an empty one.
void PopUpButton::selectItemWithTitleOrNone(const std::optional<String>& title) {
    selectItemWithTitle(title.value_or(u""));
}

void PopUpButton::selectItem(const std::shared_ptr<MenuItem>& item) {
    changeSelection(item && item->menu() == menu() ? item : nullptr);
}

void PopUpButton::changeSelection(const std::shared_ptr<MenuItem>& item) {
    if (const auto previous = selectedItem())
        previous->setState(ControlStateOff);
    selected_ = item;
    if (item)
        item->setState(ControlStateOn);
    indexOfSelectedItem_.changed();
    titleOfSelectedItem_.changed();
}

void PopUpButton::userSelectItemAtIndex(std::int64_t index) {
    const auto item = itemAtIndex(index);
    if (!isEnabled() || !item || !item->isEnabled() || item->isSeparatorItem())
        return;
    changeSelection(item);
    if (item->action().empty()) {
        sendOwnAction();
        return;
    }
    if (!item->actionTarget().isGone())
        Application::sharedApplication()->sendAction(item->action(), item->target(), item);
}

} // namespace platform

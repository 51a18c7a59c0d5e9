#include "platform/ui/PopUpButton.h"

#include "platform/ui/Application.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"

namespace platform {

PopUpButton::PopUpButton() : PopUpButton(Rect()) {}

PopUpButton::PopUpButton(const Rect& frame) : Control(frame) {
    exposeKey(
        u"indexOfSelectedItem", [this] { return Value(Number::int64(indexOfSelectedItem())); },
        [this](const Value& value) { selectItemAtIndex(value.longValue()); });
    exposeKey(
        u"titleOfSelectedItem", [this] { return Value(titleOfSelectedItem()); },
        [this](const Value& value) { selectItemWithTitle(value.stringValue().value_or(u"")); });
}

void PopUpButton::setMenu(const std::shared_ptr<Menu>& menu) {
    menu_ = menu;
    didChangeValueForKey(u"menu");
    changeSelection(itemAtIndex(0));
}

std::int64_t PopUpButton::numberOfItems() const {
    return menu_ ? menu_->numberOfItems() : 0;
}

std::shared_ptr<MenuItem> PopUpButton::itemAtIndex(std::int64_t index) const {
    return menu_ ? menu_->itemAtIndex(index) : nullptr;
}

std::int64_t PopUpButton::indexOfSelectedItem() const {
    const auto item = selectedItem();
    return item && menu_ ? menu_->indexOfItem(*item) : -1;
}

std::shared_ptr<MenuItem> PopUpButton::selectedItem() const {
    auto item = selected_.lock();
    return item && item->menu() == menu_ ? item : nullptr;
}

std::optional<String> PopUpButton::titleOfSelectedItem() const {
    const auto item = selectedItem();
    return item ? std::optional<String>(item->title()) : std::nullopt;
}

void PopUpButton::selectItemAtIndex(std::int64_t index) {
    changeSelection(itemAtIndex(index));
}

void PopUpButton::selectItemWithTitle(const String& title) {
    changeSelection(menu_ ? menu_->itemWithTitle(title) : nullptr);
}

void PopUpButton::selectItem(const std::shared_ptr<MenuItem>& item) {
    changeSelection(item && item->menu() == menu_ ? item : nullptr);
}

void PopUpButton::changeSelection(std::shared_ptr<MenuItem> item) {
    if (const auto previous = selectedItem())
        previous->setState(ControlStateOff);
    selected_ = item;
    if (item)
        item->setState(ControlStateOn);
    didChangeValueForKey(u"indexOfSelectedItem");
    didChangeValueForKey(u"titleOfSelectedItem");
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

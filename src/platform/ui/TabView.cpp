#include "platform/ui/TabView.h"

#include "platform/ui/TabViewItem.h"

namespace platform {

TabView::TabView() : TabView(Rect()) {}

TabView::TabView(const Rect& frame) : View(frame) {}

void TabView::addTabViewItem(const std::shared_ptr<TabViewItem>& item) {
    if (!item)
        return;
    item->tabView_ = std::static_pointer_cast<TabView>(shared_from_this());
    items_.push_back(item);
    if (indexOfSelectedTabViewItem() < 0)
        selectTabViewItemAtIndex(0);
}

std::shared_ptr<TabViewItem> TabView::tabViewItemAtIndex(std::int64_t index) const {
    if (index < 0 || index >= numberOfTabViewItems())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

void TabView::selectTabViewItemAtIndex(std::int64_t index) {
    if (index < 0 || index >= numberOfTabViewItems())
        return;
    selected_.set(index);
}

} // namespace platform

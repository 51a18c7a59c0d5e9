#pragma once

#include "platform/base/Property.h"
#include "platform/ui/View.h"

#include <cstdint>

namespace platform {

class TabViewItem;

// Tabs of which one is shown. Observable, and writable by key: "selectedIndex" (-1: none).
// Observable: "tabless".
class TabView : public View {
public:
    TabView();
    explicit TabView(const Rect& frame);

    [[nodiscard]] const std::vector<std::shared_ptr<TabViewItem>>& tabViewItems() const {
        return items_;
    }
    [[nodiscard]] std::int64_t numberOfTabViewItems() const {
        return static_cast<std::int64_t>(items_.size());
    }
    // The first item added is selected.
    void addTabViewItem(const std::shared_ptr<TabViewItem>& item);
    // None outside the items.
    [[nodiscard]] std::shared_ptr<TabViewItem> tabViewItemAtIndex(std::int64_t index) const;

    [[nodiscard]] std::int64_t indexOfSelectedTabViewItem() const { return selected_.get(); }
    [[nodiscard]] std::shared_ptr<TabViewItem> selectedTabViewItem() const {
        return tabViewItemAtIndex(indexOfSelectedTabViewItem());
    }
    [[nodiscard]] const Property<std::int64_t>& selectedIndexProperty() const { return selected_; }
    // An index outside the items changes nothing.
    void selectTabViewItemAtIndex(std::int64_t index);

    // User entry point.
    void userSelectTabViewItemAtIndex(std::int64_t index) { selectTabViewItemAtIndex(index); }

    // Without tabs (and without a border) the user cannot choose a tab; the program
    // switches them, as a preferences window's toolbar does.
    [[nodiscard]] bool isTabless() const { return tabless_.get(); }
    void setTabless(bool tabless) { tabless_.set(tabless); }
    [[nodiscard]] const Property<bool>& tablessProperty() const { return tabless_; }

private:
    std::vector<std::shared_ptr<TabViewItem>> items_;
    Property<std::int64_t> selected_{*this, u"selectedIndex", -1,
                                     &TabView::selectTabViewItemAtIndex};
    Property<bool> tabless_{*this, u"tabless", false};
};

} // namespace platform

#pragma once

#include "platform/base/Object.h"

#include <memory>

namespace platform {

class TabView;
class View;

// One tab of a tab view: its label and the view it shows.
class TabViewItem : public Object {
public:
    explicit TabViewItem(const String& identifier) : identifier_(identifier) {}

    [[nodiscard]] String identifier() const { return identifier_; }
    [[nodiscard]] String label() const { return label_; }
    void setLabel(const String& label) { label_ = label; }
    [[nodiscard]] std::shared_ptr<View> view() const { return view_; }
    void setView(const std::shared_ptr<View>& view) { view_ = view; }
    [[nodiscard]] std::shared_ptr<TabView> tabView() const { return tabView_.lock(); }

private:
    friend class TabView;

    String identifier_;
    String label_;
    std::shared_ptr<View> view_;
    std::weak_ptr<TabView> tabView_;
};

} // namespace platform

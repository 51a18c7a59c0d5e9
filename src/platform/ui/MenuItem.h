#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/ActionTarget.h"
#include "platform/ui/ControlState.h"
#include "platform/ui/UserInterfaceItem.h"

#include <memory>

namespace platform {

class Menu;

// An item of a menu: a command (title, action, target or none, tag, key equivalent), a
// submenu's title, or a separator. Observable, and writable by key: "title", "state",
// "enabled"; each tells a change only.
class MenuItem : public Object, public UserInterfaceItem {
public:
    MenuItem() : MenuItem(u"", u"", u"") {}
    MenuItem(const String& title, const String& action, const String& keyEquivalent);

    [[nodiscard]] static std::shared_ptr<MenuItem> separatorItem();

    [[nodiscard]] String title() const { return title_.get(); }
    void setTitle(const String& title) { title_.change(title); }
    [[nodiscard]] const Property<String>& titleProperty() const { return title_; }
    [[nodiscard]] String action() const override { return action_; }
    void setAction(const String& action) { action_ = action; }
    // None: the action goes down the responder chain.
    [[nodiscard]] std::shared_ptr<Responder> target() const { return target_.get(); }
    void setTarget(const std::shared_ptr<Responder>& target) { target_.set(target); }
    [[nodiscard]] const ActionTarget& actionTarget() const { return target_; }
    [[nodiscard]] std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    [[nodiscard]] ControlState state() const { return state_.get(); }
    void setState(ControlState state) { state_.change(state); }
    [[nodiscard]] const Property<ControlState>& stateProperty() const { return state_; }
    [[nodiscard]] bool isEnabled() const { return enabled_.get(); }
    void setEnabled(bool enabled) { enabled_.change(enabled); }
    [[nodiscard]] const Property<bool>& enabledProperty() const { return enabled_; }
    [[nodiscard]] String keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(const String& key) { keyEquivalent_ = key; }

    [[nodiscard]] std::shared_ptr<Menu> submenu() const { return submenu_; }
    void setSubmenu(const std::shared_ptr<Menu>& submenu) { submenu_ = submenu; }
    [[nodiscard]] bool hasSubmenu() const { return submenu_ != nullptr; }
    [[nodiscard]] bool isSeparatorItem() const { return separator_; }

    // The menu that holds the item.
    [[nodiscard]] std::shared_ptr<Menu> menu() const { return menu_.lock(); }

    // User entry point: the item is validated first; a disabled item, a separator or a
    // submenu's item does nothing, any other sends its action with the item as sender.
    void userChoose();

private:
    friend class Menu;

    Property<String> title_;
    String action_;
    ActionTarget target_;
    std::int64_t tag_ = 0;
    Property<ControlState> state_{*this, u"state", ControlStateOff, &MenuItem::setState};
    Property<bool> enabled_{*this, u"enabled", true, &MenuItem::setEnabled};
    String keyEquivalent_;
    std::shared_ptr<Menu> submenu_;
    bool separator_ = false;
    std::weak_ptr<Menu> menu_;
};

} // namespace platform

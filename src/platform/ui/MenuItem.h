#pragma once

#include "platform/base/Object.h"
#include "platform/ui/ActionTarget.h"
#include "platform/ui/ControlState.h"
#include "platform/ui/UserInterfaceItem.h"

#include <memory>

namespace platform {

class Menu;

// An item of a menu: a command (title, action, target or none, tag, key equivalent), a
// submenu's title, or a separator. Observable keys: "title", "state", "enabled".
class MenuItem : public Object, public UserInterfaceItem {
public:
    MenuItem() : MenuItem(u"", u"", u"") {}
    MenuItem(const String& title, const String& action, const String& keyEquivalent);

    [[nodiscard]] static std::shared_ptr<MenuItem> separatorItem();

    [[nodiscard]] String title() const { return title_; }
    void setTitle(const String& title);
    [[nodiscard]] String action() const override { return action_; }
    void setAction(const String& action) { action_ = action; }
    // None: the action goes down the responder chain.
    [[nodiscard]] std::shared_ptr<Responder> target() const { return target_.get(); }
    void setTarget(const std::shared_ptr<Responder>& target) { target_.set(target); }
    [[nodiscard]] const ActionTarget& actionTarget() const { return target_; }
    [[nodiscard]] std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    [[nodiscard]] ControlState state() const { return state_; }
    void setState(ControlState state);
    [[nodiscard]] bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
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

    String title_;
    String action_;
    ActionTarget target_;
    std::int64_t tag_ = 0;
    ControlState state_ = ControlStateOff;
    bool enabled_ = true;
    String keyEquivalent_;
    std::shared_ptr<Menu> submenu_;
    bool separator_ = false;
    std::weak_ptr<Menu> menu_;
};

} // namespace platform

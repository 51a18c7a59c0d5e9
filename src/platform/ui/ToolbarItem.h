#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/ActionTarget.h"
#include "platform/ui/UserInterfaceItem.h"

#include <memory>

namespace platform {

class Toolbar;

// An item of a toolbar. Its image is named (an image of the bundle). Observable:
// "enabled" (writable by key), "label".
class ToolbarItem : public Object, public UserInterfaceItem {
public:
    explicit ToolbarItem(const String& itemIdentifier);

    [[nodiscard]] String itemIdentifier() const { return itemIdentifier_; }
    [[nodiscard]] String label() const { return label_.get(); }
    void setLabel(const String& label) { label_.set(label); }
    [[nodiscard]] const Property<String>& labelProperty() const { return label_; }
    [[nodiscard]] String paletteLabel() const { return paletteLabel_; }
    void setPaletteLabel(const String& label) { paletteLabel_ = label; }
    [[nodiscard]] String toolTip() const { return toolTip_; }
    void setToolTip(const String& toolTip) { toolTip_ = toolTip; }
    [[nodiscard]] String imageName() const { return imageName_; }
    void setImageName(const String& name) { imageName_ = name; }
    [[nodiscard]] std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    [[nodiscard]] std::shared_ptr<Responder> target() const { return target_.get(); }
    void setTarget(const std::shared_ptr<Responder>& target) { target_.set(target); }
    [[nodiscard]] const ActionTarget& actionTarget() const { return target_; }
    [[nodiscard]] String action() const override { return action_; }
    void setAction(const String& action) { action_ = action; }
    [[nodiscard]] bool isEnabled() const { return enabled_.get(); }
    void setEnabled(bool enabled) { enabled_.change(enabled); }
    [[nodiscard]] const Property<bool>& enabledProperty() const { return enabled_; }

    [[nodiscard]] std::shared_ptr<Toolbar> toolbar() const { return toolbar_.lock(); }

    // User entry point: the item is validated first and a disabled one does nothing; a
    // selectable item becomes the toolbar's selected item; then the action is sent with
    // the item as sender.
    void userClick();

private:
    friend class Toolbar;

    String itemIdentifier_;
    Property<String> label_{*this, u"label"};
    String paletteLabel_;
    String toolTip_;
    String imageName_;
    std::int64_t tag_ = 0;
    ActionTarget target_;
    String action_;
    Property<bool> enabled_{*this, u"enabled", true, &ToolbarItem::setEnabled};
    std::weak_ptr<Toolbar> toolbar_;
};

} // namespace platform

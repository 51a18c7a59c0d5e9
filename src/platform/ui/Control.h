#pragma once

#include "platform/ui/ActionTarget.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/View.h"

namespace platform {

// A view that sends an action to a target (none: down the responder chain) when the user
// uses it, and holds a value. Observable keys: "enabled", "objectValue", "stringValue".
class Control : public View, public UserInterfaceItem {
public:
    Control();
    explicit Control(const Rect& frame);

    [[nodiscard]] std::shared_ptr<Responder> target() const { return target_.get(); }
    void setTarget(const std::shared_ptr<Responder>& target) { target_.set(target); }
    [[nodiscard]] String action() const override { return action_; }
    void setAction(const String& action) { action_ = action; }
    [[nodiscard]] std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }

    [[nodiscard]] bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    [[nodiscard]] Value objectValue() const { return objectValue_; }
    void setObjectValue(const Value& value);
    // The value as text: a string as it is, a number in decimal, anything else empty.
    [[nodiscard]] String stringValue() const;
    void setStringValue(const String& value) { setObjectValue(Value(value)); }

    // Sends the action to the target, or down the responder chain, with this control as
    // sender; answers whether a responder performed it.
    bool sendAction(const String& action, const std::shared_ptr<Responder>& target);

protected:
    // The control's own action, as the user's use of it sends it; nothing when the
    // control is disabled or its target has gone away.
    void sendOwnAction();

private:
    ActionTarget target_;
    String action_;
    std::int64_t tag_ = 0;
    bool enabled_ = true;
    Value objectValue_;
};

} // namespace platform

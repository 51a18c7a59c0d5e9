#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Property.h"
#include "platform/ui/ActionTarget.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/View.h"

namespace platform {

// A view that sends an action to a target (none: down the responder chain) when the user
// uses it, and holds a value. Observable, and writable by key: "enabled", "objectValue",
// "stringValue" (told with every change of the object value); "tag" is read by key.
class Control : public View, public UserInterfaceItem {
public:
    Control();
    explicit Control(const Rect& frame);

    [[nodiscard]] std::shared_ptr<Responder> target() const { return target_.get(); }
    void setTarget(const std::shared_ptr<Responder>& target) { target_.set(target); }
    [[nodiscard]] String action() const override { return action_; }
    void setAction(const String& action) { action_ = action; }
    [[nodiscard]] std::int64_t tag() const override { return tag_.get(); }
    void setTag(std::int64_t tag) { tag_.set(tag); }

    [[nodiscard]] bool isEnabled() const { return enabled_.get(); }
    void setEnabled(bool enabled) { enabled_.set(enabled); }
    [[nodiscard]] const Property<bool>& enabledProperty() const { return enabled_; }

    [[nodiscard]] Value objectValue() const { return objectValue_.get(); }
    void setObjectValue(const Value& value) { objectValue_.set(value); }
    [[nodiscard]] const Property<Value>& objectValueProperty() const { return objectValue_; }
    // The value as text: a string as it is, a number in decimal, anything else empty.
    // A control that formats its value gives its own text.
    [[nodiscard]] virtual String stringValue() const;
    virtual void setStringValue(const String& value) { setObjectValue(Value(value)); }
    [[nodiscard]] const ComputedProperty<String>& stringValueProperty() const {
        return stringValue_;
    }

    // Sends the action to the target, or down the responder chain, with this control as
    // sender; answers whether a responder performed it.
    bool sendAction(const String& action, const std::shared_ptr<Responder>& target);

protected:
    // Tells the observers of "stringValue" of a change of the text alone.
    void stringValueChanged() { stringValue_.changed(); }

    // The control's own action, as the user's use of it sends it; nothing when the
    // control is disabled or its target has gone away.
    void sendOwnAction();

private:
    ActionTarget target_;
    String action_;
    Property<std::int64_t> tag_{*this, u"tag", 0};
    Property<bool> enabled_{*this, u"enabled", true, KeyAccess::ReadWrite};
    Property<Value> objectValue_{*this, u"objectValue", {}, KeyAccess::ReadWrite};
    ComputedProperty<String> stringValue_{*this, u"stringValue", &Control::stringValue,
                                          &Control::setStringValue};
};

} // namespace platform

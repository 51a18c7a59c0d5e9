#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/ControlState.h"

namespace platform {

// A push button sends its action; a switch (check box) also toggles its state, a radio
// button turns its state on.
enum class ButtonType { MomentaryPushIn, Switch, Radio };

// Observable: "title", "state" (both writable by key), "keyEquivalent" (and those of
// Control).
class Button : public Control {
public:
    Button();
    explicit Button(const Rect& frame);

    [[nodiscard]] String title() const { return title_.get(); }
    void setTitle(const String& title) { title_.set(title); }
    [[nodiscard]] const Property<String>& titleProperty() const { return title_; }
    [[nodiscard]] ControlState state() const { return state_.get(); }
    void setState(ControlState state) { state_.set(state); }
    [[nodiscard]] const Property<ControlState>& stateProperty() const { return state_; }
    // The key that presses the button in its window: "\r" (Return) for the default
    // button, "\x1b" (Escape) for the cancel button; empty for none.
    [[nodiscard]] String keyEquivalent() const { return keyEquivalent_.get(); }
    void setKeyEquivalent(const String& key) { keyEquivalent_.set(key); }
    [[nodiscard]] ButtonType buttonType() const { return buttonType_; }
    void setButtonType(ButtonType type) { buttonType_ = type; }

    // User entry point; a disabled button does nothing.
    void userPress();

private:
    Property<String> title_{*this, u"title", {}, KeyAccess::ReadWrite};
    Property<String> keyEquivalent_{*this, u"keyEquivalent"};
    Property<ControlState> state_{*this, u"state", ControlStateOff, KeyAccess::ReadWrite};
    ButtonType buttonType_ = ButtonType::MomentaryPushIn;
};

} // namespace platform

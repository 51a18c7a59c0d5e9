#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/ControlState.h"

namespace platform {

// A push button sends its action; a switch (check box) also toggles its state, a radio
// button turns its state on.
enum class ButtonType { MomentaryPushIn, Switch, Radio };

// Observable keys: "title", "state", "keyEquivalent" (and those of Control).
class Button : public Control {
public:
    Button();
    explicit Button(const Rect& frame);

    [[nodiscard]] String title() const { return title_; }
    void setTitle(const String& title);
    [[nodiscard]] ControlState state() const { return state_; }
    void setState(ControlState state);
    // The key that presses the button in its window: "\r" (Return) for the default
    // button, "\x1b" (Escape) for the cancel button; empty for none.
    [[nodiscard]] String keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(const String& key);
    [[nodiscard]] ButtonType buttonType() const { return buttonType_; }
    void setButtonType(ButtonType type) { buttonType_ = type; }

    // User entry point; a disabled button does nothing.
    void userPress();

private:
    String title_;
    String keyEquivalent_;
    ControlState state_ = ControlStateOff;
    ButtonType buttonType_ = ButtonType::MomentaryPushIn;
};

} // namespace platform

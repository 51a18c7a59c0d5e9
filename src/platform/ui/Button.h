#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/ControlState.h"

namespace platform {

// A push button sends its action; a switch (check box) also toggles its state, a radio
// button turns its state on.
enum class ButtonType { MomentaryPushIn, Switch, Radio };

// Observable keys: "title", "state" (and those of Control).
class Button : public Control {
public:
    Button();
    explicit Button(const Rect& frame);

    [[nodiscard]] String title() const { return title_; }
    void setTitle(const String& title);
    [[nodiscard]] ControlState state() const { return state_; }
    void setState(ControlState state);
    [[nodiscard]] ButtonType buttonType() const { return buttonType_; }
    void setButtonType(ButtonType type) { buttonType_ = type; }

    // User entry point; a disabled button does nothing.
    void userPress();

private:
    String title_;
    ControlState state_ = ControlStateOff;
    ButtonType buttonType_ = ButtonType::MomentaryPushIn;
};

} // namespace platform

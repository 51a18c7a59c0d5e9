#include "platform/ui/Button.h"

namespace platform {

Button::Button() : Button(Rect()) {}

Button::Button(const Rect& frame) : Control(frame) {}

void Button::userPress() {
    if (!isEnabled())
        return;
    if (buttonType_ == ButtonType::Switch)
        setState(state() == ControlStateOn ? ControlStateOff : ControlStateOn);
    else if (buttonType_ == ButtonType::Radio)
        setState(ControlStateOn);
    sendOwnAction();
}

} // namespace platform

#include "platform/ui/Button.h"

namespace platform {

Button::Button() : Button(Rect()) {}

Button::Button(const Rect& frame) : Control(frame) {
    exposeKey(
        u"title", [this] { return Value(title_); },
        [this](const Value& value) { setTitle(value.stringValue().value_or(u"")); });
    exposeKey(
        u"state", [this] { return Value(Number::int64(state_)); },
        [this](const Value& value) { setState(value.longValue()); });
}

void Button::setTitle(const String& title) {
    title_ = title;
    didChangeValueForKey(u"title");
}

void Button::setKeyEquivalent(const String& key) {
    keyEquivalent_ = key;
    didChangeValueForKey(u"keyEquivalent");
}

void Button::setState(ControlState state) {
    state_ = state;
    didChangeValueForKey(u"state");
}

void Button::userPress() {
    if (!isEnabled())
        return;
    if (buttonType_ == ButtonType::Switch)
        setState(state_ == ControlStateOn ? ControlStateOff : ControlStateOn);
    else if (buttonType_ == ButtonType::Radio)
        setState(ControlStateOn);
    sendOwnAction();
}

} // namespace platform

#include "platform/ui/Control.h"

#include "platform/base/NumberText.h"
#include "platform/ui/Application.h"

namespace platform {

Control::Control() : Control(Rect()) {}

Control::Control(const Rect& frame) : View(frame) {
    exposeKey(
        u"enabled", [this] { return Value(Number::boolean(enabled_)); },
        [this](const Value& value) { setEnabled(value.boolValue()); });
    exposeKey(
        u"objectValue", [this] { return objectValue_; },
        [this](const Value& value) { setObjectValue(value); });
    exposeKey(
        u"stringValue", [this] { return Value(stringValue()); },
        [this](const Value& value) { setStringValue(value.stringValue().value_or(u"")); });
    exposeKey(u"tag", [this] { return Value(Number::int64(tag_)); });
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    didChangeValueForKey(u"enabled");
}

void Control::setObjectValue(const Value& value) {
    objectValue_ = value;
    didChangeValueForKey(u"objectValue");
    didChangeValueForKey(u"stringValue");
}

String Control::stringValue() const {
    if (const auto* string = objectValue_.string())
        return *string;
    if (const auto* number = objectValue_.number())
        return NumberText::stringValue(*number);
    return {};
}

bool Control::sendAction(const String& action, const std::shared_ptr<Responder>& target) {
    return Application::sharedApplication()->sendAction(action, target, shared_from_this());
}

void Control::sendOwnAction() {
    if (!enabled_ || target_.isGone())
        return;
    sendAction(action_, target_.get());
}

} // namespace platform

#include "platform/ui/Control.h"

#include "platform/base/NumberText.h"
#include "platform/ui/Application.h"

namespace platform {

Control::Control() : Control(Rect()) {}

Control::Control(const Rect& frame) : View(frame) {
    stringValue_.dependsOn(objectValue_);
}

String Control::stringValue() const {
    const Value& value = objectValue_.get();
    if (const auto* string = value.string())
        return *string;
    if (const auto* number = value.number())
        return NumberText::stringValue(*number);
    return {};
}

bool Control::sendAction(const String& action, const std::shared_ptr<Responder>& target) {
    return Application::sharedApplication()->sendAction(action, target, shared_from_this());
}

void Control::sendOwnAction() {
    if (!isEnabled() || target_.isGone())
        return;
    sendAction(action_, target_.get());
}

} // namespace platform

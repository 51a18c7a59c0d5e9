#include "platform/ui/TextField.h"

#include "platform/ui/Window.h"

namespace platform {

TextField::TextField() : TextField(Rect()) {}

TextField::TextField(const Rect& frame) : Control(frame) {}

std::shared_ptr<TextField> TextField::labelWithString(const String& text) {
    auto label = std::make_shared<TextField>();
    label->setEditable(false);
    label->setStringValue(text);
    return label;
}

std::shared_ptr<TextField> TextField::wrappingLabelWithString(const String& text) {
    auto label = labelWithString(text);
    label->wraps_ = true;
    return label;
}

void TextField::userType(const String& text) {
    if (!isEditable() || !isEnabled())
        return;
    if (const auto owner = window()) {
        if (!owner->makeFirstResponder(std::static_pointer_cast<Responder>(shared_from_this())))
            return;
    }
    setStringValue(text);
}

void TextField::userPressEnter() {
    if (!isEditable())
        return;
    sendOwnAction();
}

} // namespace platform

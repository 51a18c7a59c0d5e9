#include "platform/ui/TextField.h"

#include "platform/ui/Window.h"

#include <utility>

namespace platform {

TextField::TextField() : TextField(Rect()) {}

TextField::TextField(const Rect& frame) : Control(frame) {
    // A value set while the user edits wins over the text not yet taken.
    valueSet_ = objectValueProperty().observe([this] { editedText_.reset(); });
}

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

void TextField::setFormatter(std::shared_ptr<NumberFormatter> formatter) {
    editedText_.reset();
    formatter_.set(std::move(formatter));
    if (const auto text = objectValue().stringValue(); text && formatter_.get())
        setStringValue(*text);
    else
        stringValueChanged();
}

String TextField::stringValue() const {
    const auto formatter = formatter_.get();
    if (!formatter)
        return Control::stringValue();
    if (editedText_)
        return *editedText_;
    const Value value = objectValue();
    const auto* number = value.number();
    return number ? formatter->stringForNumber(*number) : String();
}

void TextField::setStringValue(const String& value) {
    const auto formatter = formatter_.get();
    if (!formatter) {
        Control::setStringValue(value);
        return;
    }
    setObjectValue(Value(formatter->numberForString(value)));
}

bool TextField::resignFirstResponder() {
    endEditing();
    return true;
}

void TextField::userType(const String& text) {
    if (!isEditable() || !isEnabled())
        return;
    const auto formatter = formatter_.get();
    if (formatter && !formatter->isPartialStringValid(text))
        return;
    const auto owner = window();
    if (owner &&
        !owner->makeFirstResponder(std::static_pointer_cast<Responder>(shared_from_this())))
        return;
    if (!formatter) {
        setStringValue(text);
        return;
    }
    editedText_ = text;
    stringValueChanged();
    if (!owner)
        endEditing();
}

void TextField::userPressEnter() {
    if (!isEditable())
        return;
    endEditing();
    sendOwnAction();
}

void TextField::endEditing() {
    const auto formatter = formatter_.get();
    if (!formatter || !editedText_)
        return;
    const auto number = formatter->numberForString(*std::exchange(editedText_, std::nullopt));
    if (number)
        setObjectValue(Value(*number));
    else
        stringValueChanged();
}

} // namespace platform

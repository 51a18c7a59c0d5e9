#pragma once

#include "platform/base/Property.h"
#include "platform/ui/Control.h"

namespace platform {

// A one-line text field, or a label when it is not editable. Its string value is the
// text shown; pressing enter sends its action. Observable, and writable by key:
// "editable" (and those of Control).
class TextField : public Control {
public:
    TextField();
    explicit TextField(const Rect& frame);

    // A text that the user cannot edit, on one line or, wrapping, on as many as its width
    // needs.
    [[nodiscard]] static std::shared_ptr<TextField> labelWithString(const String& text);
    [[nodiscard]] static std::shared_ptr<TextField> wrappingLabelWithString(const String& text);
    [[nodiscard]] bool wraps() const { return wraps_; }

    [[nodiscard]] bool isEditable() const { return editable_.get(); }
    void setEditable(bool editable) { editable_.set(editable); }
    [[nodiscard]] const Property<bool>& editableProperty() const { return editable_; }
    [[nodiscard]] bool acceptsFirstResponder() const override {
        return isEditable() && isEnabled();
    }

    // User entry points. Typing takes the keyboard focus (when the window lets the
    // present first responder go) and makes the field's text `text`; a label or a
    // disabled field takes no typing.
    void userType(const String& text);
    void userPressEnter();

private:
    Property<bool> editable_{*this, u"editable", true, KeyAccess::ReadWrite};
    bool wraps_ = false;
};

} // namespace platform

#pragma once

#include "platform/base/Property.h"
#include "platform/ui/Control.h"
#include "platform/ui/NumberFormatter.h"

#include <memory>
#include <optional>

namespace platform {

// A one-line text field, or a label when it is not editable. Its string value is the
// text shown; pressing enter sends its action. Observable, and writable by key:
// "editable" (and those of Control); "formatter" is observable.
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

    // A number field: its object value is a number, shown through the formatter. The
    // user's text waits until editing ends (the field resigns first responder, enter is
    // pressed, or at once outside a window) and then becomes the value when it reads as a
    // number; otherwise the field shows its value again. Typing a text that cannot become
    // a number is refused. Setting the string value reads it as a number (none if it is
    // none).
    [[nodiscard]] std::shared_ptr<NumberFormatter> formatter() const { return formatter_.get(); }
    void setFormatter(std::shared_ptr<NumberFormatter> formatter);
    [[nodiscard]] const Property<std::shared_ptr<NumberFormatter>>& formatterProperty() const {
        return formatter_;
    }

    [[nodiscard]] String stringValue() const override;
    void setStringValue(const String& value) override;
    [[nodiscard]] bool resignFirstResponder() override;

    // User entry points. Typing takes the keyboard focus (when the window lets the
    // present first responder go) and makes the field's text `text`; a label or a
    // disabled field takes no typing.
    void userType(const String& text);
    void userPressEnter();

private:
    void endEditing();

    Property<bool> editable_{*this, u"editable", true, KeyAccess::ReadWrite};
    bool wraps_ = false;
    Property<std::shared_ptr<NumberFormatter>> formatter_{*this, u"formatter"};
    // The user's text of a number field while editing goes on.
    std::optional<String> editedText_;
    Observation valueSet_;
};

} // namespace platform

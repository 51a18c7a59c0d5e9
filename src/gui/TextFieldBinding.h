#pragma once

#include "gui/ViewBinding.h"

class QLabel;
class QLineEdit;
class QStackedWidget;

namespace platform {
class TextField;
}

namespace gui {

// A text field as a line edit, hiding its text for a secure field, or as a label while it
// is not editable. Typing hands the whole new text to the field (which may refuse it; the
// widget then shows the model's text again), and return presses enter. A number field's
// line edit takes only what its formatter may still read as a number.
class TextFieldBinding : public ViewBinding {
public:
    TextFieldBinding(std::shared_ptr<platform::TextField> field, QStackedWidget* widget);

    [[nodiscard]] QLineEdit* lineEdit() const { return lineEdit_; }

private:
    void showText();
    void showEditable();
    void useFormatter();
    void typed();

    std::shared_ptr<platform::TextField> field_;
    QStackedWidget* stack_;
    QLineEdit* lineEdit_;
    QLabel* label_;
};

} // namespace gui

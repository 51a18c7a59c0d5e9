#pragma once

#include "gui/ViewBinding.h"

class QAbstractButton;

namespace platform {
class Button;
}

namespace gui {

// A button as a push button, a check box or a radio button by its type. A click presses
// the model's button, which decides the state; the widget then shows that state. A push
// button whose key equivalent is Return is its dialog's default button.
class ButtonBinding : public ViewBinding {
public:
    ButtonBinding(std::shared_ptr<platform::Button> button, QAbstractButton* widget);

    // The widget for the button's type.
    [[nodiscard]] static QAbstractButton* makeWidget(const platform::Button& button,
                                                     QWidget* parent);
    // Clicks the first enabled button under `root` whose key equivalent is `key`; answers
    // whether there was one.
    static bool pressKeyEquivalent(QWidget* root, const platform::String& key);

private:
    void showState();

    std::shared_ptr<platform::Button> button_;
    QAbstractButton* buttonWidget_;
};

} // namespace gui

#pragma once

#include "gui/ViewBinding.h"

class QComboBox;

namespace platform {
class PopUpButton;
}

namespace gui {

// A pop-up button as a combo box of its menu's titles. Choosing an item goes to the model,
// which may refuse it; the widget then shows the model's selection again.
class PopUpButtonBinding : public ViewBinding {
public:
    PopUpButtonBinding(std::shared_ptr<platform::PopUpButton> popUp, QComboBox* widget);

private:
    void makeItems();
    void showSelection();

    std::shared_ptr<platform::PopUpButton> popUp_;
    QComboBox* comboBox_;
    std::vector<platform::Observation> itemTitles_;
};

} // namespace gui

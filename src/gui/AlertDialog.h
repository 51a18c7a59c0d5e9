#pragma once

#include "gui/ModelDialog.h"

#include <memory>
#include <vector>

class QPushButton;

namespace platform {
class Alert;
}

namespace gui {

// An alert: the style's icon, the message, the informative text and the buttons, the
// first one the default (Return) and at the right, the others to its left in the order
// added, as the platform places them; Escape presses "Cancel" or a lone button. Pressing
// one answers the alert; the dialog stays until the model ends the alert. Its title is
// the program's name.
class AlertDialog : public ModelDialog {
public:
    AlertDialog(std::shared_ptr<platform::Alert> alert, QWidget* parent);

    [[nodiscard]] const std::shared_ptr<platform::Alert>& alert() const { return alert_; }
    // In the order the alert's buttons were added.
    [[nodiscard]] const std::vector<QPushButton*>& buttons() const { return buttons_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] QPushButton* cancelButton() const;
    QWidget* makeText();
    QWidget* makeButtons();

    std::shared_ptr<platform::Alert> alert_;
    std::vector<QPushButton*> buttons_;
};

} // namespace gui

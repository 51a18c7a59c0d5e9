#pragma once

#include "platform/ui/ModalPanelRunner.h"
#include "platform/ui/ModalRunner.h"

#include <functional>

class QDialog;

namespace platform {
class PropertyBase;
}

namespace gui {

// Runs an application-modal alert or open or save panel as an application-modal dialog in
// a nested event loop, which ends once the user has answered (or the application quits,
// which aborts the session). Posted blocks and timers go on running inside it.
class QtModalRunner : public platform::ModalRunner, public platform::ModalPanelRunner {
public:
    using ShownHandler = std::function<void(QDialog& dialog)>;

    // Told of each dialog once its nested loop runs, where the user first meets it: tests
    // answer the dialog from here as the user would.
    void setShownHandler(ShownHandler handler) { shownHandler_ = std::move(handler); }

    void runModalForAlert(platform::Alert& alert) override;
    void runModalForPanel(platform::SavePanel& panel) override;

    // The dialog running now (an AlertDialog or a PanelDialog); none between sessions.
    [[nodiscard]] QDialog* dialog() const { return dialog_; }

private:
    // Shows the dialog and runs until the property tells of the answer.
    void run(QDialog* dialog, const platform::PropertyBase& answer,
             const std::function<bool()>& isShown);
    void tellShown(QDialog* dialog);

    QDialog* dialog_ = nullptr;
    ShownHandler shownHandler_;
};

} // namespace gui

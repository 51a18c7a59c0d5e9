#pragma once

namespace platform {

class Alert;

// Runs an application-modal alert for the application: the Qt backend in a nested event
// loop, tests by scripted answers (ScriptedModalRunner).
class ModalRunner {
public:
    virtual ~ModalRunner() = default;

    // Shows the alert and returns once it is answered through Alert::userPressButton.
    // Returning without an answer aborts the session (the alert answers -1001).
    virtual void runModalForAlert(Alert& alert) = 0;
};

} // namespace platform

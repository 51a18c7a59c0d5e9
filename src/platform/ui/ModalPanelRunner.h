#pragma once

namespace platform {

class SavePanel;

// Runs an application-modal open or save panel. The application's modal runner
// (Application::modalRunner) implements it next to ModalRunner when the program shows
// panels modally: the Qt backend in a nested event loop, tests by scripted answers
// (ScriptedPanelRunner).
class ModalPanelRunner {
public:
    virtual ~ModalPanelRunner() = default;

    // Shows the panel and returns once it is answered through SavePanel::userChoose or
    // userCancel. Returning without an answer aborts the session (the panel answers -1001).
    virtual void runModalForPanel(SavePanel& panel) = 0;
};

} // namespace platform

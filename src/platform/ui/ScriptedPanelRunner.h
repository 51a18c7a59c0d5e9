#pragma once

#include "platform/ui/ModalPanelRunner.h"
#include "platform/ui/ScriptedModalRunner.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Answers application-modal alerts and panels from scripts, for tests: each panel takes
// the next scripted panel answer (alerts keep their own script, see ScriptedModalRunner).
// A panel with no answer left, a path that the panel refuses or a chooser that does not
// answer is reported as a failure and aborts the panel's session (it answers -1001).
//
//     auto runner = std::make_shared<ScriptedPanelRunner>(
//         [](const std::string& failure) { ADD_FAILURE() << failure; });
//     application->setModalRunner(runner);
//     runner->chooseInNextPanel(u"/tmp/notes.sealscribe");
class ScriptedPanelRunner : public ScriptedModalRunner, public ModalPanelRunner {
public:
    // Sees the panel and answers it with its user entry points.
    using PanelChooser = std::function<void(SavePanel& panel)>;

    explicit ScriptedPanelRunner(FailureReporter reportFailure);

    void chooseInNextPanel(const String& path);
    void chooseInNextPanel(const std::vector<String>& paths);
    void cancelNextPanel();
    void answerNextPanelWith(PanelChooser chooser);

    [[nodiscard]] std::size_t pendingPanelAnswers() const { return panels_.pending(); }
    // Every panel run so far, in order, answered or not.
    [[nodiscard]] const std::vector<std::shared_ptr<SavePanel>>& panelsShown() const {
        return panels_.shown();
    }

    void runModalForPanel(SavePanel& panel) override;

private:
    ModalScript<SavePanel> panels_;
};

} // namespace platform

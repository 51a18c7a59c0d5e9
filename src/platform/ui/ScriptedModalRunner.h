#pragma once

#include "platform/base/String.h"
#include "platform/ui/ModalRunner.h"
#include "platform/ui/ModalScript.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Answers application-modal alerts from a script, for tests: each alert takes the next
// scripted answer. An alert with no answer left, an answer that names no button of the
// alert, or a chooser that does not answer is reported as a failure and aborts the
// alert's session (it answers -1001).
//
//     auto runner = std::make_shared<ScriptedModalRunner>(
//         [](const std::string& failure) { ADD_FAILURE() << failure; });
//     application->setModalRunner(runner);
//     runner->answerNextWith(u"Open Preferences");
class ScriptedModalRunner : public ModalRunner {
public:
    using FailureReporter = std::function<void(const std::string& message)>;
    // Sees the alert and answers it with Alert::userPressButton.
    using Chooser = std::function<void(Alert& alert)>;

    explicit ScriptedModalRunner(FailureReporter reportFailure);

    void answerNextWith(const String& buttonTitle);
    void answerNextWith(Chooser chooser);

    [[nodiscard]] std::size_t pendingAnswers() const { return alerts_.pending(); }
    // Every alert run so far, in order, answered or not.
    [[nodiscard]] const std::vector<std::shared_ptr<Alert>>& alertsShown() const {
        return alerts_.shown();
    }

    void runModalForAlert(Alert& alert) override;

private:
    ModalScript<Alert> alerts_;
};

} // namespace platform

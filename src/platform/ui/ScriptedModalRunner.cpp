#include "platform/ui/ScriptedModalRunner.h"

#include "platform/base/ProgrammingError.h"
#include "platform/ui/Alert.h"

namespace platform {
namespace {

// Appended rather than concatenated: GCC 12 misreads "literal" + string at -O2 (-Wrestrict).
std::string describe(const Alert& alert) {
    std::string text(1, '"');
    text += toUtf8Lossy(alert.messageText());
    text += '"';
    return text;
}

} // namespace

ScriptedModalRunner::ScriptedModalRunner(FailureReporter reportFailure)
    : reportFailure_(std::move(reportFailure)) {
    if (!reportFailure_)
        reportFailure_ = [](const std::string& message) { programmingError(message); };
}

void ScriptedModalRunner::answerNextWith(const String& buttonTitle) {
    script_.push_back([this, buttonTitle](Alert& alert) {
        if (!alert.userPressButton(buttonTitle))
            fail("the application-modal alert " + describe(alert) + " has no button \"" +
                 toUtf8Lossy(buttonTitle) + "\"");
    });
}

void ScriptedModalRunner::fail(const std::string& message) {
    ++failures_;
    reportFailure_(message);
}

void ScriptedModalRunner::answerNextWith(Chooser chooser) {
    script_.push_back(std::move(chooser));
}

void ScriptedModalRunner::runModalForAlert(Alert& alert) {
    if (auto shared = std::dynamic_pointer_cast<Alert>(alert.weak_from_this().lock()))
        shown_.push_back(std::move(shared));
    if (script_.empty()) {
        fail("an unexpected application-modal alert appeared with no answer scripted: " +
             describe(alert));
        return;
    }
    const Chooser chooser = std::move(script_.front());
    script_.pop_front();
    const std::size_t failuresBefore = failures_;
    chooser(alert);
    if (alert.isShown() && failures_ == failuresBefore)
        fail("the script did not answer the application-modal alert " + describe(alert));
}

} // namespace platform

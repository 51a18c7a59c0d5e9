#include "platform/ui/ScriptedModalRunner.h"

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
    : alerts_(std::move(reportFailure)) {}

void ScriptedModalRunner::answerNextWith(const String& buttonTitle) {
    alerts_.add([this, buttonTitle](Alert& alert) {
        if (!alert.userPressButton(buttonTitle))
            alerts_.fail("the application-modal alert " + describe(alert) + " has no button \"" +
                         toUtf8Lossy(buttonTitle) + "\"");
    });
}

void ScriptedModalRunner::answerNextWith(Chooser chooser) {
    alerts_.add(std::move(chooser));
}

void ScriptedModalRunner::runModalForAlert(Alert& alert) {
    alerts_.run(
        alert,
        [&alert] {
            return "an unexpected application-modal alert appeared with no answer scripted: " +
                   describe(alert);
        },
        [&alert] {
            return "the script did not answer the application-modal alert " + describe(alert);
        });
}

} // namespace platform

#include "platform/ui/ScriptedPanelRunner.h"

#include "platform/ui/OpenPanel.h"

namespace platform {
namespace {

std::string describe(const SavePanel& panel) {
    return std::string(dynamic_cast<const OpenPanel*>(&panel) ? "open" : "save") + " panel \"" +
           toUtf8Lossy(panel.prompt()) + "\"";
}

std::string joined(const std::vector<String>& paths) {
    std::string text;
    for (const auto& path : paths)
        text += (text.empty() ? "\"" : ", \"") + toUtf8Lossy(path) + "\"";
    return text;
}

} // namespace

ScriptedPanelRunner::ScriptedPanelRunner(FailureReporter reportFailure)
    : ScriptedModalRunner(reportFailure), panels_(std::move(reportFailure)) {}

void ScriptedPanelRunner::chooseInNextPanel(const String& path) {
    chooseInNextPanel(std::vector<String>{path});
}

void ScriptedPanelRunner::chooseInNextPanel(const std::vector<String>& paths) {
    panels_.add([this, paths](SavePanel& panel) {
        auto* open = dynamic_cast<OpenPanel*>(&panel);
        const bool taken =
            open ? open->userChoose(paths) : paths.size() == 1 && panel.userChoose(paths.front());
        if (!taken)
            panels_.fail("the " + describe(panel) + " refused " + joined(paths));
    });
}

void ScriptedPanelRunner::cancelNextPanel() {
    panels_.add([](SavePanel& panel) { (void)panel.userCancel(); });
}

void ScriptedPanelRunner::answerNextPanelWith(PanelChooser chooser) {
    panels_.add(std::move(chooser));
}

void ScriptedPanelRunner::runModalForPanel(SavePanel& panel) {
    panels_.run(
        panel,
        [&panel] {
            return "an unexpected application-modal " + describe(panel) +
                   " appeared with no answer scripted";
        },
        [&panel] { return "the script did not answer the application-modal " + describe(panel); });
}

} // namespace platform

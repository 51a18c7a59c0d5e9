#include "platform/ui/ScriptedPanelRunner.h"

#include "platform/base/ProgrammingError.h"
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
    : ScriptedModalRunner(reportFailure), reportPanelFailure_(std::move(reportFailure)) {
    if (!reportPanelFailure_)
        reportPanelFailure_ = [](const std::string& message) { programmingError(message); };
}

void ScriptedPanelRunner::chooseInNextPanel(const String& path) {
    chooseInNextPanel(std::vector<String>{path});
}

void ScriptedPanelRunner::chooseInNextPanel(const std::vector<String>& paths) {
    panelScript_.push_back([this, paths](SavePanel& panel) {
        auto* open = dynamic_cast<OpenPanel*>(&panel);
        const bool taken =
            open ? open->userChoose(paths) : paths.size() == 1 && panel.userChoose(paths.front());
        if (!taken)
            failPanel("the " + describe(panel) + " refused " + joined(paths));
    });
}

void ScriptedPanelRunner::cancelNextPanel() {
    panelScript_.push_back([](SavePanel& panel) { (void)panel.userCancel(); });
}

void ScriptedPanelRunner::answerNextPanelWith(PanelChooser chooser) {
    panelScript_.push_back(std::move(chooser));
}

void ScriptedPanelRunner::failPanel(const std::string& message) {
    ++panelFailures_;
    reportPanelFailure_(message);
}

void ScriptedPanelRunner::runModalForPanel(SavePanel& panel) {
    if (auto shared = std::dynamic_pointer_cast<SavePanel>(panel.weak_from_this().lock()))
        panelsShown_.push_back(std::move(shared));
    if (panelScript_.empty()) {
        failPanel("an unexpected application-modal " + describe(panel) +
                  " appeared with no answer scripted");
        return;
    }
    const PanelChooser chooser = std::move(panelScript_.front());
    panelScript_.pop_front();
    const std::size_t failuresBefore = panelFailures_;
    chooser(panel);
    if (panel.isShown() && panelFailures_ == failuresBefore)
        failPanel("the script did not answer the application-modal " + describe(panel));
}

} // namespace platform

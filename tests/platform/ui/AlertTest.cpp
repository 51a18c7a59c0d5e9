#include "platform/ui/Alert.h"

#include "UiTest.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Panel.h"

using namespace platform;

namespace {

std::shared_ptr<Alert> makeAlert(const String& message, std::vector<String> buttons) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(message);
    alert->setInformativeText(u"No changes were applied");
    alert->setAlertStyle(AlertStyle::Warning);
    for (const auto& title : buttons)
        alert->addButtonWithTitle(title);
    return alert;
}

using AlertTest = uitest::UiTest;

TEST_F(AlertTest, SheetAlertAnswersByButtonOrder) {
    auto window = shownWindow();
    const std::vector<String> buttons = {u"Retry", u"Cancel", u"Later"};
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        std::optional<ModalResponse> answer;
        makeAlert(u"Password Too Short", buttons)
            ->beginSheetModalForWindow(window, [&](ModalResponse code) { answer = code; });
        EXPECT_FALSE(answer) << "beginning the sheet returns at once";
        const auto shown = AlertPanel::alertOf(window->attachedSheet());
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->messageText(), u"Password Too Short");
        EXPECT_EQ(shown->informativeText(), u"No changes were applied");
        EXPECT_TRUE(shown->userPressButton(index));
        EXPECT_EQ(answer, 1000 + static_cast<ModalResponse>(index));
        EXPECT_EQ(window->attachedSheet(), nullptr);
        EXPECT_FALSE(shown->userPressButton(index)) << "an answered alert takes no answer";
    }
}

TEST_F(AlertTest, SheetAlertWaitsBehindAnAttachedSheet) {
    auto window = shownWindow();
    auto sheet = std::make_shared<Panel>();
    std::optional<ModalResponse> answer;
    window->beginSheet(sheet, {});
    auto alert = makeAlert(u"Password accepted", {u"OK"});
    alert->beginSheetModalForWindow(window, [&](ModalResponse code) { answer = code; });
    EXPECT_FALSE(alert->isShown());
    EXPECT_FALSE(alert->userPressButton(u"OK")) << "a waiting alert cannot be answered yet";

    window->endSheet(sheet);
    EXPECT_TRUE(alert->isShown());
    EXPECT_TRUE(alert->userPressButton(u"OK"));
    EXPECT_EQ(answer, 1000);
}

TEST_F(AlertTest, SheetAlertEndedFromOutsideGivesTheStopAnswer) {
    auto window = shownWindow();
    std::optional<ModalResponse> answer;
    makeAlert(u"Lock Document back to the crypted state?", {u"OK", u"Cancel"})
        ->beginSheetModalForWindow(window, [&](ModalResponse code) { answer = code; });
    window->endSheet(window->attachedSheet());
    EXPECT_EQ(answer, ModalResponseStop);
}

TEST_F(AlertTest, AnAlertOutlivesItsMakerWhileShown) {
    auto window = shownWindow();
    std::optional<ModalResponse> answer;
    makeAlert(u"Wrong Password", {u"OK"})
        ->beginSheetModalForWindow(window, [&](ModalResponse code) { answer = code; });
    const auto shown = AlertPanel::alertOf(window->attachedSheet());
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->userPressButton(u"OK"));
    EXPECT_EQ(answer, 1000);
}

TEST_F(AlertTest, AlertWithoutButtonsGetsOK) {
    auto window = shownWindow();
    auto alert = makeAlert(u"Done", {});
    alert->beginSheetModalForWindow(window, {});
    EXPECT_EQ(alert->buttonTitles(), std::vector<String>{u"OK"});
    EXPECT_FALSE(alert->userPressButton(1));
    EXPECT_TRUE(alert->userPressButton(0));
}

TEST_F(AlertTest, ModalAlertReturnsTheScriptedAnswer) {
    modal->answerNextWith(u"Cancel");
    auto alert =
        makeAlert(u"Preference was set to open at startup a document without specifying it",
                  {u"Open Preferences", u"Cancel"});
    EXPECT_EQ(alert->runModal(), 1001);
    EXPECT_FALSE(alert->isShown());

    String seen;
    modal->answerNextWith([&](Alert& shown) {
        seen = shown.messageText();
        EXPECT_TRUE(shown.userPressButton(std::size_t{0}));
    });
    EXPECT_EQ(alert->runModal(), 1000);
    EXPECT_EQ(seen, alert->messageText());
    EXPECT_EQ(modal->alertsShown(), (std::vector<std::shared_ptr<Alert>>{alert, alert}));
    EXPECT_EQ(modal->pendingAnswers(), 0u);
}

TEST_F(AlertTest, SheetWithoutWindowRunsModally) {
    modal->answerNextWith(u"OK");
    std::optional<ModalResponse> answer;
    makeAlert(u"Wrong Password", {u"OK"})->beginSheetModalForWindow(nullptr, [&](ModalResponse c) {
        answer = c;
    });
    EXPECT_EQ(answer, 1000);
}

TEST(ScriptedModalRunner, FailsClearlyWithoutAnAnswer) {
    Environment environment;
    auto application = std::make_shared<Application>();
    Application::setSharedApplication(application);
    std::vector<std::string> failures;
    auto runner = std::make_shared<ScriptedModalRunner>(
        [&](const std::string& failure) { failures.push_back(failure); });
    application->setModalRunner(runner);

    auto alert = makeAlert(u"The system is negating the access", {u"Open Preferences", u"Cancel"});
    EXPECT_EQ(alert->runModal(), ModalResponseAbort);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected"), std::string::npos) << failures[0];
    EXPECT_NE(failures[0].find("The system is negating the access"), std::string::npos);

    runner->answerNextWith(u"Maybe");
    EXPECT_EQ(alert->runModal(), ModalResponseAbort);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[1].find("\"Maybe\""), std::string::npos) << failures[1];

    Application::setSharedApplication(nullptr);
}

} // namespace

#include "ProgramModelTest.h"
#include "platform/ui/Document.h"

namespace interfacetest {
namespace {

class StartupActionTest : public ProgramModelTest {
protected:
    void launchWithAction(std::int32_t tag) {
        launch(
            [tag](platform::UserDefaults& store) { store.setInteger(tag, u"StartupActionTag"); });
    }
    [[nodiscard]] std::size_t documents() const {
        return run_->program.controller()->documents().size();
    }
    [[nodiscard]] std::size_t panelsShown() const { return run_->modal->panelsShown().size(); }
};

TEST_F(StartupActionTest, TheUntitledDocumentOfTheLaunchCountsAsOpen) {
    launchWithAction(0);
    EXPECT_EQ(documents(), 1u);
    loop().advance(2.0);
    EXPECT_EQ(documents(), 1u);
}

TEST_F(StartupActionTest, ActionZeroMakesADocumentTwoSecondsOnWhenNoneIsOpen) {
    launchWithAction(0);
    run_->program.controller()->documents().front()->close();
    loop().advance(1.9);
    EXPECT_EQ(documents(), 0u);
    loop().advance(0.2);
    EXPECT_EQ(documents(), 1u);
    loop().advance(10);
    EXPECT_EQ(documents(), 1u);
}

TEST_F(StartupActionTest, ActionZeroWaitsWhileADocumentIsOpening) {
    launchWithAction(0);
    run_->program.controller()->documents().front()->close();
    delegate()->setDocumentIsOpening(true);
    loop().advance(3);
    EXPECT_EQ(documents(), 0u);
}

TEST_F(StartupActionTest, ActionOneShowsTheOpenPanelOnceWhenNoDocumentIsOpen) {
    launchWithAction(1);
    EXPECT_EQ(documents(), 0u);
    run_->modal->cancelNextPanel();
    loop().advance(1.9);
    EXPECT_EQ(panelsShown(), 0u);
    loop().advance(0.2);
    EXPECT_EQ(panelsShown(), 1u);
    loop().advance(10);
    EXPECT_EQ(panelsShown(), 1u);
}

TEST_F(StartupActionTest, ActionTwoShowsTheOpenPanelAfterOneSecondWhateverIsOpen) {
    launchWithAction(2);
    std::optional<String> error;
    (void)run_->program.controller()->openUntitledDocumentAndDisplay(true, error);
    run_->modal->cancelNextPanel();
    loop().advance(0.9);
    EXPECT_EQ(panelsShown(), 0u);
    loop().advance(0.2);
    EXPECT_EQ(panelsShown(), 1u);
}

TEST_F(StartupActionTest, OtherActionsDoNothing) {
    for (const std::int32_t tag : {4, -1}) {
        launchWithAction(tag);
        loop().advance(5);
        EXPECT_EQ(documents(), 0u) << tag;
        EXPECT_EQ(panelsShown(), 0u) << tag;
    }
}

} // namespace
} // namespace interfacetest

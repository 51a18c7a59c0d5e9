#include "UiTest.h"
#include "platform/ui/Alert.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Panel.h"

using namespace platform;

namespace {

class RecordingDelegate : public ApplicationDelegate {
public:
    explicit RecordingDelegate(std::vector<std::string>& events) : events_(events) {}

    void applicationWillFinishLaunching(Application&) override { events_.push_back("will"); }
    void applicationDidFinishLaunching(Application&) override { events_.push_back("did"); }
    void applicationDidBecomeActive(Application&) override { events_.push_back("active"); }
    void applicationDidResignActive(Application&) override { events_.push_back("inactive"); }

private:
    std::vector<std::string>& events_;
};

class ApplicationTest : public uitest::UiTest {
protected:
    ApplicationTest() { app->setDelegate(delegate); }

    std::vector<std::string> events;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>(events);
};

TEST_F(ApplicationTest, LaunchingTellsTheDelegateAroundTheLaunchHook) {
    app->setLaunchHook([&] {
        EXPECT_FALSE(app->isRunning());
        events.push_back("documents");
    });
    app->finishLaunching();
    EXPECT_EQ(events, (std::vector<std::string>{"will", "documents", "did"}));
    EXPECT_TRUE(app->isRunning());
}

TEST_F(ApplicationTest, DelegateWithoutAnAnswerLetsAnUntitledDocumentOpen) {
    EXPECT_TRUE(ApplicationDelegate().applicationShouldOpenUntitledFile(*app));
}

TEST_F(ApplicationTest, UserMakesTheApplicationActiveAndInactive) {
    std::vector<Value> seen;
    const auto observation =
        app->addObserver(u"active", [&](const Value& value) { seen.push_back(value); });
    EXPECT_FALSE(app->isActive());
    app->setActive(true);
    app->setActive(true);
    app->setActive(false);
    app->setActive(true);
    EXPECT_EQ(events, (std::vector<std::string>{"active", "inactive", "active"}));
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(app->isActive());
}

TEST_F(ApplicationTest, TerminateWithoutAReviewStopsAtOnce) {
    app->finishLaunching();
    int stops = 0;
    const auto observation = app->addObserver(u"running", [&](const Value& running) {
        if (!running.boolValue())
            ++stops;
    });
    auto quit = std::make_shared<MenuItem>(u"Quit Sealscribe", u"terminate:", u"q");
    quit->userChoose();
    EXPECT_FALSE(app->isRunning());
    EXPECT_EQ(stops, 1);
}

TEST_F(ApplicationTest, TerminateWaitsForTheReviewOfUnsavedDocuments) {
    app->finishLaunching();
    Application::TerminationReply pending;
    int reviews = 0;
    app->setTerminationReview([&](Application::TerminationReply reply) {
        ++reviews;
        pending = std::move(reply);
    });

    app->terminate(nullptr);
    app->terminate(nullptr); // while the review runs
    EXPECT_EQ(reviews, 1);
    EXPECT_TRUE(app->isRunning());
    pending(false); // the user cancelled in a sheet
    EXPECT_TRUE(app->isRunning());

    app->terminate(nullptr);
    EXPECT_EQ(reviews, 2);
    pending(true);
    EXPECT_FALSE(app->isRunning());
    pending(true); // a second reply changes nothing
    EXPECT_FALSE(app->isRunning());
}

TEST_F(ApplicationTest, MainMenuHoldsTheApplicationMenu) {
    auto main = std::make_shared<Menu>(u"Main");
    auto appItem = std::make_shared<MenuItem>(u"Sealscribe", u"", u"");
    appItem->setSubmenu(std::make_shared<Menu>(u"Sealscribe"));
    main->addItem(appItem);
    app->setMainMenu(main);
    ASSERT_TRUE(app->mainMenu()->itemAtIndex(0)->hasSubmenu());
    EXPECT_EQ(app->mainMenu()->itemAtIndex(0)->submenu()->title(), u"Sealscribe");
}

TEST(SharedApplication, IsMadeOnFirstUseAndReplaceable) {
    Environment environment;
    Application::setSharedApplication(nullptr);
    const auto made = Application::sharedApplication();
    EXPECT_EQ(Application::sharedApplication(), made);
    auto own = std::make_shared<Application>();
    Application::setSharedApplication(own);
    EXPECT_EQ(Application::sharedApplication(), own);
    Application::setSharedApplication(nullptr);
    EXPECT_NE(Application::sharedApplication(), own);
    Application::setSharedApplication(nullptr);
}

TEST_F(ApplicationTest, TheWindowsMenuListsTheWindowsAndChecksTheKeyOne) {
    auto menu = std::make_shared<Menu>(u"Window");
    menu->addItem(std::make_shared<MenuItem>(u"Minimize", u"performMiniaturize:", u"m"));
    app->setWindowsMenu(menu);
    const auto diary = shownWindow();
    diary->setTitle(u"Diary");
    const auto notes = shownWindow();
    notes->setTitle(u"Notes");
    const auto sheet = std::make_shared<Panel>();
    notes->beginSheet(sheet, {});
    menu->update();
    std::vector<std::pair<String, ControlState>> listed;
    for (const auto& item : menu->items())
        listed.emplace_back(item->isSeparatorItem() ? u"-" : item->title(), item->state());
    EXPECT_EQ(listed, (std::vector<std::pair<String, ControlState>>{{u"Minimize", ControlStateOff},
                                                                    {u"-", ControlStateOff},
                                                                    {u"Notes", ControlStateOn},
                                                                    {u"Diary", ControlStateOff}}));
    menu->itemWithTitle(u"Diary")->userChoose();
    EXPECT_EQ(app->keyWindow(), diary);

    notes->endSheet(sheet);
    notes->close();
    menu->update();
    EXPECT_EQ(menu->numberOfItems(), 3);
}

TEST_F(ApplicationTest, TerminatesOnceTheLastWindowHasClosedWhenAsked) {
    app->finishLaunching();
    const auto first = shownWindow();
    first->close();
    loop.runUntilIdle();
    EXPECT_TRUE(app->isRunning()) << "off by default";

    app->setTerminatesAfterLastWindowClosed(true);
    const auto second = shownWindow();
    second->close();
    const auto third = shownWindow();
    loop.runUntilIdle();
    EXPECT_TRUE(app->isRunning()) << "a window that replaces the last one keeps it running";

    third->close();
    loop.runUntilIdle();
    EXPECT_FALSE(app->isRunning());
}

TEST_F(ApplicationTest, AModalAlertWithNoWindowLeftEndsTheProgramAfterItIsAnswered) {
    app->setTerminatesAfterLastWindowClosed(true);
    app->finishLaunching();
    modal->answerNextWith(u"OK");
    const auto alert = std::make_shared<Alert>();
    alert->setMessageText(u"The document could not be opened.");
    EXPECT_EQ(alert->runModal(), AlertFirstButtonReturn);
    EXPECT_TRUE(app->isRunning());
    loop.runUntilIdle();
    EXPECT_FALSE(app->isRunning());
}

} // namespace

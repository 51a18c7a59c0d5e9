#include "ProgramModelTest.h"
#include "platform/base/PropertyList.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"
#include "support/TestHTTPServer.h"
#include "update/LWPhoneHome.h"

#include <chrono>
#include <cstdlib>

namespace interfacetest {
namespace {

using platform::Number;
using TestServer = testsupport::TestHTTPServer;

std::optional<std::string> updateList(std::int64_t latest) {
    const platform::Dictionary list{{u"LRA", Value(Number::int64(latest))},
                                    {u"DPU", Value(u"http://downloads.example/")}};
    const auto bytes =
        platform::PropertyList::write(Value(list), platform::PropertyListFormat::XML);
    return testsupport::httpResponse("200 OK", std::string(bytes->begin(), bytes->end()));
}

// The program's checker is one the test installs, with a short time-out; the launch
// configures it.
class UpdateCheckTest : public ProgramModelTest {
protected:
    UpdateCheckTest() { installChecker(std::chrono::seconds(2)); }
    ~UpdateCheckTest() override {
        quit();
        LWPhoneHome::setSharedPhoneHome(nullptr);
    }

    static void installChecker(std::chrono::milliseconds timeout) {
        LWPhoneHome::Collaborators collaborators;
        collaborators.loaderOptions.timeout = timeout;
        LWPhoneHome::setSharedPhoneHome(std::make_shared<LWPhoneHome>(collaborators));
    }
    static void pointAt(const TestServer& server) {
        ::setenv("SEALSCRIBE_UPDATE_URLS", server.url("/mac/sealscribe.plist").c_str(), 1);
    }
    [[nodiscard]] std::vector<String> alertMessages() const {
        std::vector<String> messages;
        for (const auto& alert : run_->modal->alertsShown())
            messages.push_back(alert->messageText());
        return messages;
    }
};

TEST_F(UpdateCheckTest, TheLaunchConfiguresTheCheckerAndReportsANewerRelease) {
    TestServer server([](const std::string&) { return updateList(20700); });
    pointAt(server);
    launch([&](platform::UserDefaults&) { run_->modal->answerNextWith(u"Later"); });
    const auto checker = LWPhoneHome::sharedPhoneHome();
    EXPECT_EQ(checker->myAppRelease(), Number::int32(20601));
    EXPECT_EQ(checker->myAppName(), u"Sealscribe");
    EXPECT_EQ(checker->myPlistUrl1(), platform::fromUtf8(server.url("/mac/sealscribe.plist")));
    EXPECT_EQ(checker->myPlistUrl2(), std::nullopt);

    ASSERT_EQ(run_->modal->alertsShown().size(), 1u);
    const auto& alert = *run_->modal->alertsShown().front();
    EXPECT_EQ(alert.messageText(), u"There is an update available for Sealscribe");
    EXPECT_EQ(alert.informativeText(), u"You are using release: 2.6.1\nLatest available release "
                                       u"is: 2.7\nDrovak recommends to use always the latest "
                                       u"release");
    EXPECT_TRUE(store()->dateForKey(u"lastCheckDateForUpdate"));
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/mac/sealscribe.plist"});
}

// The invitation runs inside the start-up procedure: after the font families are selected
// and before launching counts as finished.
TEST_F(UpdateCheckTest, WithReportsOffTheLaunchInvitesBetweenTheFontsAndTheEndOfLaunching) {
    std::optional<bool> finishedAtInvitation;
    std::optional<String> fontAtInvitation;
    launch([&](platform::UserDefaults& settingsStore) {
        settingsStore.setBool(false, u"notifyUpdate");
        settingsStore.setObject(Value(u"DejaVu Serif"), u"StartupFontFamily");
        run_->modal->answerNextWith([&](platform::Alert& alert) {
            finishedAtInvitation = delegate()->finishedLaunching();
            fontAtInvitation = delegate()->myFontPopup()->titleOfSelectedItem();
            EXPECT_TRUE(alert.userPressButton(u"Cancel"));
        });
    });
    EXPECT_EQ(alertMessages(), std::vector<String>{u"Would you like that Sealscribe informs you "
                                                   u"now for any available update?"});
    EXPECT_EQ(finishedAtInvitation, false);
    EXPECT_EQ(fontAtInvitation, u"DejaVu Serif");
    EXPECT_TRUE(delegate()->finishedLaunching());
}

TEST_F(UpdateCheckTest, SoftwareUpdateAndCheckNowReportEveryOutcome) {
    launch();
    EXPECT_TRUE(alertMessages().empty()) << "a failed check at launch shows nothing";
    const auto menu = application()->mainMenu()->itemAtIndex(0)->submenu();
    const auto update = menu->itemAtIndex(1);
    application()->validateMenu(*menu);
    EXPECT_TRUE(update->isEnabled());

    run_->modal->answerNextWith(u"OK");
    application()->sendAction(update->action(), update->target(), update);
    loop().runUntilIdle();
    const auto tabs =
        std::dynamic_pointer_cast<platform::TabView>(delegate()->prefWindow()->contentView());
    ASSERT_TRUE(tabs);
    std::vector<std::shared_ptr<platform::Button>> buttons;
    testsupport::collectViews(tabs->tabViewItemAtIndex(3)->view(), buttons);
    std::erase_if(buttons, [](const auto& button) { return button->title() != u"Check Now"; });
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_TRUE(buttons.front()->isEnabled());
    run_->modal->answerNextWith(u"OK");
    buttons.front()->userPress();
    loop().runUntilIdle();
    const String failed = u"Sealscribe was not able to connect to the Drovak server";
    EXPECT_EQ(alertMessages(), (std::vector<String>{failed, failed}));
}

TEST_F(UpdateCheckTest, QuittingDoesNotWaitForAHeldCheck) {
    installChecker(LWPhoneHome::defaultLoaderOptions().timeout);
    launch();
    TestServer held([](const std::string&) { return std::nullopt; });
    const auto checker = LWPhoneHome::sharedPhoneHome();
    checker->setMyPlistUrl1(platform::fromUtf8(held.url("/mac/sealscribe.plist")));
    application()->sendAction(u"checkForLastReleaseAvailable:", nullptr, nullptr);
    held.waitForRequests(1);
    const auto started = std::chrono::steady_clock::now();
    quit();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5))
        << "not the time-out of 15 s";
    EXPECT_FALSE(checker->isChekingUpdateSystem());
}

} // namespace
} // namespace interfacetest

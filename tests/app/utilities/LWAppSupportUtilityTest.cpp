#include "app/utilities/LWAppSupportUtility.h"

#include "platform/base/ProcessInfo.h"
#include "platform/system/RecordingLauncher.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ScriptedModalRunner.h"

#include <gtest/gtest.h>

using platform::String;

namespace {

TEST(LWAppSupportUtilityRelease, DottedStringOfEveryForm) {
    const struct {
        std::int64_t release;
        const char16_t* expected;
    } cases[] = {
        {20601, u"2.6.1"},
        {20600, u"2.6"},
        {20400, u"2.4"},
        {20000, u"2.0"},
        {10700, u"1.7"},
        {20410, u"2.4.10"},
        {20010, u"2.0.10"},
        {21000, u"2.10"},
        {21012, u"2.10.12"},
        {120305, u"12.3.5"},
        {101010, u"10.10.10"},
        {1203, u"1.2.03"},
        {1400, u"1.4.00"},
        {999, u""},
        {0, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LWAppSupportUtility::calcReleaseString(c.release), String(c.expected))
            << c.release;
}

// Each test has an environment with an application whose modal alerts are scripted and a
// workspace that records what it is asked to open.
class LWAppSupportUtilityLinks : public testing::Test {
protected:
    LWAppSupportUtilityLinks() {
        environment.application.set(app);
        app->setModalRunner(modal);
        environment.system().workspace.set(std::make_shared<platform::Workspace>(launcher));
    }

    std::vector<std::string> opened() const {
        std::vector<std::string> links;
        for (const auto& request : launcher->requests())
            links.push_back(request.front().back());
        return links;
    }

    platform::Environment environment;
    std::shared_ptr<platform::Application> app = std::make_shared<platform::Application>();
    std::shared_ptr<platform::ScriptedModalRunner> modal =
        std::make_shared<platform::ScriptedModalRunner>(
            [](const std::string& failure) { ADD_FAILURE() << failure; });
    std::shared_ptr<platform::RecordingLauncher> launcher =
        std::make_shared<platform::RecordingLauncher>();
};

TEST_F(LWAppSupportUtilityLinks, MailSubjectNamesTheReleaseAndTheSystemEncodedForAQuery) {
    LWAppSupportUtility::emailUs(nullptr);
    LWAppSupportUtility::emailBrenic(nullptr);

    // The system's version string holds parentheses, dots and dashes, which stay.
    std::string system =
        platform::toUtf8Lossy(platform::ProcessInfo::processInfo().operatingSystemVersionString());
    std::string encoded;
    for (const char c : system)
        encoded += c == ' ' ? std::string("%20") : std::string(1, c);
    const std::string expected =
        "mailto:support@sealscribe.example?subject=Support%20Request%20for%20Sealscribe%20rel."
        "%202.6.1%20-%20macOS%20" +
        encoded;
    EXPECT_EQ(opened(), (std::vector<std::string>{expected, expected}));
    EXPECT_NE(expected.find('('), std::string::npos);
}

TEST_F(LWAppSupportUtilityLinks, WebPages) {
    LWAppSupportUtility::visitUs(nullptr);
    LWAppSupportUtility::visitBrenic(nullptr);
    LWAppSupportUtility::visitAppUrl(nullptr);
    LWAppSupportUtility::visitBrenicMajorUpgrade(nullptr);
    LWAppSupportUtility::visitTwitter(nullptr);
    LWAppSupportUtility::openAppStoreList(nullptr);
    LWAppSupportUtility::openAppStorePage(nullptr);
    EXPECT_EQ(opened(), (std::vector<std::string>{
                            "http://www.sealscribe.example",
                            "http://www.sealscribe.example",
                            "http://www.sealscribe.example/osx/sealscribe",
                            "http://www.sealscribe.example/support/",
                            "http://social.example/sealscribe",
                        }));
}

TEST_F(LWAppSupportUtilityLinks, NewerVersionAlertsOpenTheHomePageOnlyOnTheirFirstButton) {
    modal->answerNextWith(u"Cancel");
    EXPECT_FALSE(LWAppSupportUtility::sayFilecreatedWithANewerVersion(nullptr));
    EXPECT_TRUE(opened().empty());

    modal->answerNextWith(u"Go to Download Last Version");
    EXPECT_TRUE(LWAppSupportUtility::sayFilecreatedWithANewerVersion(nullptr));
    modal->answerNextWith(u"Go to Download Last Version");
    EXPECT_TRUE(
        LWAppSupportUtility::dataIn_ApplicationSupportFolder_CreatedWithANewerVersion(nullptr));
    EXPECT_EQ(opened(), (std::vector<std::string>{"http://www.sealscribe.example",
                                                  "http://www.sealscribe.example"}));

    ASSERT_EQ(modal->alertsShown().size(), 3u);
    const auto& document = *modal->alertsShown()[0];
    EXPECT_EQ(document.messageText(), u"The document you requested to open was created with a "
                                      u"more recent version of this application");
    EXPECT_EQ(document.informativeText(),
              u"To open this file you need a release of this application equal or successive to "
              u"the one used to create this file.\n\nProbably you are using an outdated "
              u"release.\nYou can download for free the last version of this application from "
              u"our site");
    EXPECT_EQ(document.buttonTitles(),
              (std::vector<String>{u"Go to Download Last Version", u"Cancel"}));
    EXPECT_EQ(document.alertStyle(), platform::AlertStyle::Warning);
    EXPECT_EQ(modal->alertsShown()[2]->messageText(),
              u"Data file the software tryed to open from the Application Support folder was "
              u"created with a more recent version of this application");
}

} // namespace

#include "PhoneHomeTest.h"

#include <limits>

namespace updatetest {
namespace {

class UpdateAlerts : public PhoneHomeTest {
protected:
    [[nodiscard]] std::vector<std::string> openedSince(std::size_t before) const {
        const auto all = opened();
        return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
    }

    // The alert that the operation shows, answered with the button.
    template <typename Show>
    std::shared_ptr<platform::Alert> answered(const String& button, Show show) {
        modal->answerNextWith(button);
        checker->setIsChekingUpdateSystem(true);
        show();
        EXPECT_FALSE(checker->isChekingUpdateSystem()) << "after " << platform::toUtf8Lossy(button);
        return modal->alertsShown().empty() ? nullptr : modal->alertsShown().back();
    }
};

TEST_F(UpdateAlerts, UpdateAvailableNamesBothReleasesAndOpensWhatItsButtonsName) {
    checker->setMyAppRelease(Number::int32(20900));
    const Dictionary list = listWithRelease(21000);
    const struct {
        const char16_t* button;
        std::vector<std::string> opened;
    } cases[] = {
        {u"Download Update", {"http://downloads.example/sealscribe.tar.gz"}},
        {u"Download Page", {"https://downloads.example/sealscribe/"}},
        {u"Later", {}},
    };
    for (const auto& c : cases) {
        const auto before = opened().size();
        const auto alert = answered(c.button, [&] { checker->notifyAboutUpdateAvailable(list); });
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->messageText(), u"There is an update available for Sealscribe");
        EXPECT_EQ(alert->informativeText(),
                  u"You are using release: 2.9\nLatest available release is: 2.10\nDrovak "
                  u"recommends to use always the latest release");
        EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Warning);
        EXPECT_EQ(alert->buttonTitles(),
                  (std::vector<String>{u"Download Update", u"Download Page", u"Later"}));
        EXPECT_EQ(openedSince(before), c.opened) << platform::toUtf8Lossy(c.button);
    }
}

TEST_F(UpdateAlerts, UpToDateEndsWithALineBreakAndOffersTheDownloadPage) {
    const Dictionary list = listWithRelease(20601);
    const auto alert = answered(u"Go to Drovak Download Page",
                                [&] { checker->notifyAboutYourAppIsLastAvailable(list); });
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), u"Sealscribe is up to date");
    EXPECT_EQ(alert->informativeText(),
              u"You are using the latest available release.\nIf you like, you can go to the "
              u"Drovak download page to manually check it.\n\nVisit us and see all the macOS "
              u"software we have available.\nWe are one of the developers in the world with more "
              u"macOS apps!\n");
    EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Warning);
    EXPECT_EQ(alert->buttonTitles(),
              (std::vector<String>{u"Go to Drovak Download Page", u"Close"}));
    EXPECT_EQ(opened(), std::vector<std::string>{"https://downloads.example/sealscribe/"});

    (void)answered(u"Close", [&] { checker->notifyAboutYourAppIsLastAvailable(list); });
    EXPECT_EQ(opened().size(), 1u);
}

TEST_F(UpdateAlerts, CheckFailedHasOneButton) {
    const auto alert = answered(u"OK", [&] { checker->notifyAboutFailedChechForUpdate(Value()); });
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), u"Sealscribe was not able to connect to the Drovak server");
    EXPECT_EQ(alert->informativeText(),
              u"It was not possible to enstablish a internet connection on the net with the "
              u"Drovak upgrade server. Check your internet connection or try later.");
    EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Warning);
    EXPECT_EQ(alert->buttonTitles(), std::vector<String>{u"OK"});
    EXPECT_TRUE(opened().empty());
}

TEST_F(UpdateAlerts, TheInvitationWithReportsOnHasNoInformativeText) {
    const auto alert =
        answered(u"Cancel", [&] { checker->inCaseInviteToCheckForLastReleaseAvailable(); });
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(),
              u"Would you like that Sealscribe informs you now for any available update?");
    EXPECT_EQ(alert->informativeText(), u"");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"OK", u"Drovak Site", u"Cancel"}));
}

// The list comes over plain HTTP: only a web address reaches the desktop.
TEST_F(UpdateAlerts, OnlyAnAbsoluteWebAddressWithAHostIsOpened) {
    const struct {
        const char* name;
        std::optional<Value> value; // none: no such key
        std::optional<std::string> opened;
    } cases[] = {
        {"http", Value(u"http://downloads.example/x"), "http://downloads.example/x"},
        {"HTTPS in capitals", Value(u"HTTPS://Downloads.example/x"), "HTTPS://Downloads.example/x"},
        {"a local file", Value(u"file:///etc/passwd"), std::nullopt},
        {"a script", Value(u"javascript:alert(1)"), std::nullopt},
        {"a share", Value(u"smb://server/share"), std::nullopt},
        {"no host", Value(u"http:/downloads"), std::nullopt},
        {"a relative path", Value(u"/downloads"), std::nullopt},
        {"an option", Value(u"--help"), std::nullopt},
        {"a number", Value(Number::int64(20601)), std::nullopt},
        {"absent", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        Dictionary list{{u"LRA", Value(Number::int64(30000))}};
        if (c.value) {
            list[u"GFU"] = *c.value;
            list[u"DPU"] = *c.value;
        }
        const auto before = opened().size();
        (void)answered(u"Download Update", [&] { checker->notifyAboutUpdateAvailable(list); });
        (void)answered(u"Go to Drovak Download Page",
                       [&] { checker->notifyAboutYourAppIsLastAvailable(list); });
        const std::vector<std::string> expected =
            c.opened ? std::vector<std::string>{*c.opened, *c.opened} : std::vector<std::string>{};
        EXPECT_EQ(openedSince(before), expected) << c.name;
    }
}

// Whatever the caller asked for: the date is recorded and nothing is shown.
TEST_F(UpdateAlerts, ALatestReleaseThatIsNoIntegerCountsAsAbsent) {
    const struct {
        const char* name;
        std::optional<Value> latest;
    } cases[] = {
        {"absent", std::nullopt},
        {"a string", Value(u"99999")},
        {"a real", Value(Number::float64(99999.0))},
        {"a boolean", Value(Number::boolean(true))},
        {"beyond the signed range",
         Value(Number::uint64(std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1))},
        {"an array", Value(platform::Array{Value(Number::int64(99999))})},
    };
    for (const auto& c : cases) {
        Dictionary list{{u"DPU", Value(u"http://downloads.example/")}};
        if (c.latest)
            list[u"LRA"] = *c.latest;
        const std::string body = httpResponse("200 OK", listBody(list));
        TestServer server([&](const std::string&) -> std::optional<std::string> { return body; });
        serveFrom(*checker, server);
        store()->removeObjectForKey(u"lastCheckDateForUpdate");
        checker->checkForLastReleaseAvailableWithNotify(nullptr);
        loop.runUntilIdle();
        EXPECT_EQ(server.targets().size(), 1u) << c.name;
        EXPECT_EQ(lastCheck(), now()) << c.name;
        EXPECT_TRUE(modal->alertsShown().empty()) << c.name;
        EXPECT_FALSE(checker->isChekingUpdateSystem()) << c.name;
    }
}

// Integers, not dotted strings; the extremes of the signed range too.
TEST_F(UpdateAlerts, ReleasesCompareAsSignedIntegers) {
    const struct {
        std::int64_t running;
        Value latest;
        bool newer;
    } cases[] = {
        {20900, Value(Number::int64(21000)), true},
        {20601, Value(Number::int32(20601)), false},
        {20601, Value(Number::int64(-1)), false},
        {20601, Value(Number::int64(std::numeric_limits<std::int64_t>::max())), true},
        {20601, Value(Number::uint64(std::uint64_t(std::numeric_limits<std::int64_t>::max()))),
         true},
    };
    for (const auto& c : cases) {
        checker->setMyAppRelease(Number::int64(c.running));
        const std::string body = httpResponse(
            "200 OK", listBody({{u"LRA", c.latest}, {u"DPU", Value(u"http://x.example")}}));
        TestServer server([&](const std::string&) -> std::optional<std::string> { return body; });
        serveFrom(*checker, server);
        modal->answerNextWith(c.newer ? u"Later" : u"Close");
        checker->checkForLastReleaseAvailableWithNotify(nullptr);
        loop.runUntilIdle();
        EXPECT_EQ(alertMessages().back(), c.newer ? u"There is an update available for Sealscribe"
                                                  : u"Sealscribe is up to date")
            << c.running;
    }
}

} // namespace
} // namespace updatetest

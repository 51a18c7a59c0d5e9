#include "PhoneHomeTest.h"

namespace updatetest {
namespace {

const String shortInvitation = u"Would you like that Sealscribe informs you now for any available "
                               u"update?";
const String longInvitation =
    u"It is more then 90 days this app doesn't report to you for updates.\nWould you like that "
    u"Sealscribe informs you now for any available update?";

// A server of four addresses that all serve the same list, or all fail.
class UpdateSchedule : public PhoneHomeTest {
protected:
    UpdateSchedule() { serveFrom(*checker, server); }

    void serve(std::optional<std::int64_t> latest) {
        body = latest ? httpResponse("200 OK", listBody(listWithRelease(*latest)))
                      : httpResponse("500 Internal Server Error", "");
    }
    // A new run of the program over the same settings, at the clock's present moment.
    void relaunch() {
        checker = makeChecker(2s, calendar);
        serveFrom(*checker, server);
        checker->startupProcedure(nullptr);
        loop.runUntilIdle();
    }
    void setNotifyUpdate(bool notify) { store()->setBool(notify, u"notifyUpdate"); }

    std::string body = httpResponse("200 OK", listBody(listWithRelease(20601)));
    TestServer server{[this](const std::string&) -> std::optional<std::string> { return body; }};
    platform::Calendar calendar = platform::Calendar::calendarWithSecondsFromGMT(0);
};

TEST_F(UpdateSchedule, ReportsOnAfterASuccessTodayARelaunchAsksNothing) {
    relaunch();
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/1"});
    EXPECT_EQ(lastCheck(), now());
    loop.advance(30);
    relaunch();
    EXPECT_EQ(server.targets().size(), 1u);
    EXPECT_TRUE(modal->alertsShown().empty());
}

TEST_F(UpdateSchedule, AfterAFailedFetchARelaunchTheSameDayAsksAgain) {
    serve(std::nullopt);
    relaunch();
    relaunch();
    EXPECT_EQ(server.targets().size(), 8u);
    EXPECT_EQ(lastCheck(), std::nullopt);
    EXPECT_TRUE(modal->alertsShown().empty());
}

// Days of the user's time zone: 23:59 and 00:01 are two days, 00:00:30 and 23:59:30 one.
TEST_F(UpdateSchedule, ADayIsACalendarDayOfTheUsersTimeZone) {
    const struct {
        const char* name;
        double start; // UTC
        double later;
        std::int32_t secondsFromGMT;
        bool asksAgain;
    } cases[] = {
        {"23:59 and 00:01", lateEvening, 120, 0, true},
        {"00:00:30 and 23:59:30", lateEvening + 90, day - 60, 0, false},
        {"23:59 and 00:01 two hours east of UTC", lateEvening - 7200, 120, 7200, true},
        {"UTC's 23:59 and 00:01, 01:59 and 02:01 there", lateEvening, 120, 7200, false},
    };
    for (const auto& c : cases) {
        store()->removeObjectForKey(u"lastCheckDateForUpdate");
        clockStart = c.start - loop.now();
        calendar = platform::Calendar::calendarWithSecondsFromGMT(c.secondsFromGMT);
        const auto before = server.targets().size();
        relaunch();
        loop.advance(c.later);
        relaunch();
        EXPECT_EQ(server.targets().size() - before, c.asksAgain ? 2u : 1u) << c.name;
    }
}

TEST_F(UpdateSchedule, UpToDateShowsNothingAtLaunchAndTheAlertOnDemand) {
    for (const std::int64_t latest : {20601, 20600}) {
        store()->removeObjectForKey(u"lastCheckDateForUpdate");
        serve(latest);
        const auto before = modal->alertsShown().size();
        relaunch();
        EXPECT_EQ(modal->alertsShown().size(), before) << latest;
        modal->answerNextWith(u"Close");
        checker->checkForLastReleaseAvailableWithNotify(nullptr);
        loop.runUntilIdle();
        EXPECT_EQ(alertMessages().back(), u"Sealscribe is up to date") << latest;
    }
}

TEST_F(UpdateSchedule, EveryAddressFailingShowsNothingAtLaunchAndTheFailureOnDemand) {
    serve(std::nullopt);
    relaunch();
    EXPECT_TRUE(modal->alertsShown().empty());
    modal->answerNextWith(u"OK");
    checker->checkForLastReleaseAvailableWithNotify(nullptr);
    loop.runUntilIdle();
    EXPECT_EQ(alertMessages(),
              std::vector<String>{u"Sealscribe was not able to connect to the Drovak server"});
}

TEST_F(UpdateSchedule, ANewerReleaseIsReportedAtLaunchOncePerDay) {
    serve(21000);
    modal->answerNextWith(u"Later");
    relaunch();
    EXPECT_EQ(alertMessages(), std::vector<String>{u"There is an update available for Sealscribe"});
    relaunch();
    EXPECT_EQ(modal->alertsShown().size(), 1u);
}

TEST_F(UpdateSchedule, ReportsOffTheSilentCheckRecordsAndTheInvitationWaits90Days) {
    setNotifyUpdate(false);
    const struct {
        const char* name;
        std::optional<Value> stored; // none: nothing stored
        std::optional<String> invitation;
    } cases[] = {
        {"never checked", std::nullopt, shortInvitation},
        {"no date stored", Value(u"2026-03-14"), shortInvitation},
        {"89 days ago", Value(platform::Date(lateEvening - 89 * day)), std::nullopt},
        {"exactly 7776000 s ago", Value(platform::Date(lateEvening - 7776000.0)), std::nullopt},
        {"7776001 s ago", Value(platform::Date(lateEvening - 7776001.0)), longInvitation},
    };
    for (const auto& c : cases) {
        clockStart = lateEvening - loop.now();
        const auto before = modal->alertsShown().size();
        store()->setObject(c.stored.value_or(Value()), u"lastCheckDateForUpdate");
        if (c.invitation)
            modal->answerNextWith(u"Cancel");
        relaunch();
        EXPECT_EQ(lastCheck(), now()) << c.name << ": the silent check records the success";
        ASSERT_EQ(modal->alertsShown().size() - before, c.invitation ? 1u : 0u) << c.name;
        if (!c.invitation)
            continue;
        const auto& alert = *modal->alertsShown().back();
        EXPECT_EQ(alert.messageText(), *c.invitation) << c.name;
        EXPECT_EQ(alert.informativeText(),
                  u"Suggested option is to have the update report enabled.\nUse the Preference "
                  u"Dialog to enable this feature.");
        EXPECT_EQ(alert.alertStyle(), platform::AlertStyle::Warning);
        EXPECT_EQ(alert.buttonTitles(), (std::vector<String>{u"OK", u"Drovak Site", u"Cancel"}));
    }
    EXPECT_FALSE(store()->boolForKey(u"notifyUpdate")) << "the invitation changes no setting";
}

TEST_F(UpdateSchedule, ReportsOffAFailedSilentCheckInvitesAtEveryLaunch) {
    setNotifyUpdate(false);
    serve(std::nullopt);
    for (int launch = 0; launch < 2; ++launch) {
        modal->answerNextWith(u"Cancel");
        relaunch();
    }
    EXPECT_EQ(alertMessages(), (std::vector<String>{shortInvitation, shortInvitation}));
    EXPECT_EQ(server.targets().size(), 8u);
}

TEST_F(UpdateSchedule, TheInvitationsOKStartsACheckWithBothReportsAndClearsTheFlagAtOnce) {
    setNotifyUpdate(false);
    modal->answerNextWith(u"OK");
    checker->inCaseInviteToCheckForLastReleaseAvailable();
    EXPECT_FALSE(checker->isChekingUpdateSystem()) << "while its check still fetches";
    modal->answerNextWith(u"Close");
    loop.runUntilIdle();
    EXPECT_EQ(alertMessages(), (std::vector<String>{shortInvitation, u"Sealscribe is up to date"}));
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/1"});
}

TEST_F(UpdateSchedule, TheInvitationsOtherAnswersStartNoCheck) {
    setNotifyUpdate(false);
    modal->answerNextWith(u"Drovak Site");
    checker->inCaseInviteToCheckForLastReleaseAvailable();
    EXPECT_EQ(opened(), std::vector<std::string>{"http://www.sealscribe.example"});
    modal->answerNextWith(u"Cancel");
    checker->inCaseInviteToCheckForLastReleaseAvailable();
    loop.runUntilIdle();
    EXPECT_EQ(opened().size(), 1u);
    EXPECT_TRUE(server.targets().empty());
    EXPECT_EQ(modal->alertsShown().size(), 2u);
    EXPECT_FALSE(checker->isChekingUpdateSystem());
}

// The silent check of the launch still fetches while the invitation is open.
TEST_F(UpdateSchedule, OKWhileTheSilentCheckFetchesIsRefusedYetAMenuCheckMayFollow) {
    setNotifyUpdate(false);
    modal->answerNextWith(u"OK");
    checker = makeChecker();
    serveFrom(*checker, server);
    checker->startupProcedure(nullptr);
    EXPECT_FALSE(checker->isChekingUpdateSystem());

    checker->checkForLastReleaseAvailableWithNotify(nullptr);
    EXPECT_TRUE(checker->isChekingUpdateSystem());
    modal->answerNextWith(u"Close");
    loop.runUntilIdle();
    EXPECT_EQ(alertMessages(), (std::vector<String>{shortInvitation, u"Sealscribe is up to date"}));
    EXPECT_EQ(server.targets(), (std::vector<std::string>{"/1", "/1"}))
        << "the silent check and the menu's, not the refused OK";
    EXPECT_FALSE(checker->isChekingUpdateSystem());
}

TEST_F(UpdateSchedule, OnDemandTwiceInARowTheSecondIsRefused) {
    serve(std::nullopt);
    checker->checkForLastReleaseAvailableWithNotify(nullptr);
    checker->checkForLastReleaseAvailableWithNotify(nullptr);
    checker->silentCheckForLastReleaseAvailable(nullptr);
    checker->dailySilentCheckForLastReleaseAvailable(nullptr);
    checker->dailyVerboseCheckForLastReleaseAvailable(nullptr);
    modal->answerNextWith(u"OK");
    loop.runUntilIdle();
    EXPECT_EQ(server.targets(), (std::vector<std::string>{"/1", "/2", "/3", "/4"}));
    EXPECT_EQ(modal->alertsShown().size(), 1u);
}

} // namespace
} // namespace updatetest

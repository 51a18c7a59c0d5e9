#include "PhoneHomeTest.h"
#include "platform/base/OperationQueue.h"
#include "support/Files.h"

#include <latch>
#include <thread>

namespace updatetest {
namespace {

using testsupport::LoopbackSocket;

class UpdateListFetch : public PhoneHomeTest {};

// In each case the first address fails, and the second serves the list.
TEST_F(UpdateListFetch, AFailingAddressPassesToTheNextAndTheRestAreNotAsked) {
    const Dictionary second = listWithRelease(20700);
    testsupport::ScratchFolder files;
    const auto localList = files / "list.plist";
    testsupport::writeFile(localList, listBody(listWithRelease(99999)));
    const std::string overCap(1024 * 1024 + 1, ' ');
    const struct {
        const char* name;
        std::optional<std::string> first; // none: holds the connection without a word
        std::chrono::milliseconds pace{0};
    } cases[] = {
        {"no property list", httpResponse("200 OK", "<html>maintenance</html>")},
        {"an array at the root",
         httpResponse("200 OK", plistBody(Value(platform::Array{Value(listWithRelease(99999))})))},
        {"an empty body", httpResponse("200 OK", "")},
        {"404", httpResponse("404 Not Found", listBody(listWithRelease(99999)))},
        {"500", httpResponse("500 Internal Server Error", listBody(listWithRelease(99999)))},
        {"beyond the cap", httpResponse("200 OK", overCap + listBody(listWithRelease(99999)))},
        {"never answers", std::nullopt},
        {"trickles", httpResponse("200 OK", listBody(listWithRelease(99999))), 40ms},
        {"redirect to a file",
         httpResponse("302 Found", "", "Location: file://" + localList.string() + "\r\n")},
        {"redirect to ftp", httpResponse("302 Found", "", "Location: ftp://127.0.0.1/list\r\n")},
    };
    const auto fetcher = makeChecker(300ms);
    for (const auto& c : cases) {
        const auto secondBody = httpResponse("200 OK", listBody(second));
        TestServer first([&](const std::string&) { return c.first; }, c.pace);
        TestServer rest([&](const std::string& target) -> std::optional<std::string> {
            return target == "/2" ? secondBody
                                  : httpResponse("200 OK", listBody(listWithRelease(1)));
        });
        serveFrom(*fetcher, {first.url("/1"), rest.url("/2"), rest.url("/3"), rest.url("/4")});
        EXPECT_EQ(fetcher->getDictionaryFromTheNet(), second) << c.name;
        EXPECT_EQ(first.targets(), std::vector<std::string>{"/1"}) << c.name;
        EXPECT_EQ(rest.targets(), std::vector<std::string>{"/2"}) << c.name;
    }
}

TEST_F(UpdateListFetch, ARefusedFirstAddressLeavesTheSecondsListAndAsksNoFurther) {
    const LoopbackSocket closed(false);
    TestServer server([](const std::string& target) -> std::optional<std::string> {
        return httpResponse("200 OK", listBody(listWithRelease(target == "/2" ? 20601 : 1)));
    });
    serveFrom(*checker, {closed.url("/1"), server.url("/2"), server.url("/3"), server.url("/4")});
    checker->checkForLastReleaseAvailableWithNotify(nullptr);
    modal->answerNextWith(u"Close");
    loop.runUntilIdle();
    EXPECT_EQ(alertMessages(), std::vector<String>{u"Sealscribe is up to date"});
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/2"});
    EXPECT_EQ(lastCheck(), now());
}

TEST_F(UpdateListFetch, AllFourDownReportsOnlyWhenAskedAndRecordsNothing) {
    TestServer server([](const std::string&) { return httpResponse("503 Unavailable", ""); });
    serveFrom(*checker, server);
    store()->setObject(Value(platform::Date(1000.0)), u"lastCheckDateForUpdate");

    for (const bool notifyIsAvailable : {false, true})
        checker->checkForLastReleaseAvailableAndNotifyIsAvailable(notifyIsAvailable, false);
    loop.runUntilIdle();
    EXPECT_TRUE(modal->alertsShown().empty());

    checker->checkForLastReleaseAvailableAndNotifyIsAvailable(false, true);
    modal->answerNextWith(u"OK");
    loop.runUntilIdle();
    EXPECT_EQ(alertMessages(),
              std::vector<String>{u"Sealscribe was not able to connect to the Drovak server"});
    EXPECT_EQ(lastCheck(), platform::Date(1000.0));
    EXPECT_EQ(server.targets().size(), 12u) << "each address once per check";
    EXPECT_FALSE(checker->isChekingUpdateSystem());
}

TEST_F(UpdateListFetch, ABodyBeyondTheCapIsNotReadWhole) {
    const std::string huge(32 * 1024 * 1024, 'x');
    TestServer server([&](const std::string&) -> std::optional<std::string> {
        return testsupport::httpResponseWithoutLength(huge);
    });
    const auto fetcher = makeChecker(10s);
    serveFrom(*fetcher, {server.url("/1")});
    EXPECT_EQ(fetcher->getDictionaryFromTheNet(), std::nullopt);
    EXPECT_LT(server.bytesSent(), huge.size() / 2);
}

TEST_F(UpdateListFetch, TheMainThreadGoesOnWhileAFetchIsHeldAndAQuitEndsItAtOnce) {
    TestServer held([](const std::string&) { return std::nullopt; });
    const auto patient = makeChecker(120s);
    serveFrom(*patient, held);
    application->finishLaunching();

    patient->checkForLastReleaseAvailableWithNotify(nullptr);
    EXPECT_TRUE(patient->isChekingUpdateSystem());
    held.waitForRequests(1);
    bool ran = false;
    platform::OperationQueue::mainQueue().addOperationWithBlock([&] { ran = true; });
    loop.runPostedBlocks();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(patient->isChekingUpdateSystem()) << "the fetch is still held";

    application->terminate(nullptr);
    const auto quit = std::chrono::steady_clock::now();
    loop.runUntilIdle();
    EXPECT_LT(std::chrono::steady_clock::now() - quit, 5s) << "not four time-outs of 120 s";
    EXPECT_FALSE(patient->isChekingUpdateSystem());
    EXPECT_TRUE(modal->alertsShown().empty()) << "nobody is left to answer";
    EXPECT_EQ(held.targets().size(), 1u) << "a stopped check asks no further address";
    EXPECT_EQ(lastCheck(), std::nullopt);
}

// Under ThreadSanitizer too: the check reads the copy it made when it started.
TEST_F(UpdateListFetch, AddressesSetWhileAFetchRunsServeTheNextCheck) {
    TestServer first([](const std::string&) {
        return httpResponse("200 OK", listBody(listWithRelease(20601)));
    });
    TestServer second([](const std::string&) {
        return httpResponse("200 OK", listBody(listWithRelease(20601)));
    });
    serveFrom(*checker, first);
    checker->silentCheckForLastReleaseAvailable(nullptr);
    serveFrom(*checker, second);
    loop.runUntilIdle();
    checker->silentCheckForLastReleaseAvailable(nullptr);
    loop.runUntilIdle();
    EXPECT_EQ(first.targets(), std::vector<std::string>{"/1"});
    EXPECT_EQ(second.targets(), std::vector<std::string>{"/1"});
}

TEST(SharedPhoneHome, IsMadeOnceWhicheverThreadsAskFirst) {
    LWPhoneHome::setSharedPhoneHome(nullptr);
    constexpr int threads = 8;
    std::latch start(threads);
    std::vector<std::shared_ptr<LWPhoneHome>> seen(threads);
    std::vector<std::thread> askers;
    for (auto& result : seen)
        askers.emplace_back([&] {
            start.arrive_and_wait();
            result = LWPhoneHome::sharedPhoneHome();
        });
    for (auto& asker : askers)
        asker.join();
    for (const auto& result : seen)
        EXPECT_EQ(result, seen.front());
    EXPECT_EQ(LWPhoneHome::sharedPhoneHome(), seen.front());
    EXPECT_FALSE(seen.front()->isChekingUpdateSystem());

    const auto own = std::make_shared<LWPhoneHome>();
    LWPhoneHome::setSharedPhoneHome(own);
    EXPECT_EQ(LWPhoneHome::sharedPhoneHome(), own);
    LWPhoneHome::setSharedPhoneHome(nullptr);
}

} // namespace
} // namespace updatetest

#include "GuiTest.h"
#include "gui/BootClockWakeUp.h"
#include "platform/base/MonotonicSeconds.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/Timer.h"

#include <QEventLoop>
#include <QTimer>
#include <ctime>
#include <thread>

using namespace platform;

namespace {

using QtRunLoopTest = guitest::GuiTest;

TEST_F(QtRunLoopTest, RunsPostedBlocksInOrderFromAnyThread) {
    std::vector<int> ran;
    OperationQueue::mainQueue().addOperationWithBlock([&] {
        ran.push_back(1);
        // Posted while a block runs: after the ones posted before it.
        OperationQueue::mainQueue().addOperationWithBlock([&] { ran.push_back(4); });
    });
    std::thread poster(
        [&] { OperationQueue::mainQueue().addOperationWithBlock([&] { ran.push_back(2); }); });
    poster.join();
    OperationQueue::mainQueue().addOperationWithBlock([&] { ran.push_back(3); });
    EXPECT_TRUE(ran.empty());
    ASSERT_TRUE(waitUntil([&] { return ran.size() == 4; }));
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(QtRunLoopTest, FiresTimersInDateOrderAndRepeats) {
    std::vector<std::string> fired;
    const double start = loop.now();
    auto later = Timer::scheduledTimerWithTimeInterval(0.06, false,
                                                       [&](Timer&) { fired.push_back("later"); });
    auto sooner = Timer::scheduledTimerWithTimeInterval(0.02, false,
                                                        [&](Timer&) { fired.push_back("sooner"); });
    int repeats = 0;
    auto repeating = Timer::scheduledTimerWithTimeInterval(0.01, true, [&](Timer& timer) {
        if (++repeats == 3)
            timer.invalidate();
    });
    auto cancelled =
        Timer::scheduledTimerWithTimeInterval(0.01, false, [&](Timer&) { fired.push_back("no"); });
    cancelled->invalidate();

    loop.advance(0.05);
    EXPECT_EQ(fired, std::vector<std::string>{"sooner"});
    EXPECT_EQ(repeats, 3);
    EXPECT_FALSE(repeating->isValid());
    loop.advance(0.01);
    EXPECT_EQ(fired, (std::vector<std::string>{"sooner", "later"}));
    EXPECT_GE(loop.now() - start, 0.06);
    loop.advance(0.03);
    EXPECT_EQ(repeats, 3);
}

double bootSeconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The program's clock counts the time the machine was suspended, as CLOCK_BOOTTIME does.
TEST(QtRunLoopOnTheBootClock, ReadsTheBootClock) {
    gui::QtRunLoop loop;
    const double before = bootSeconds();
    const double now = loop.now();
    const double after = bootSeconds();
    EXPECT_LE(before, now + 1e-6);
    EXPECT_LE(now, after + 1e-6);
    EXPECT_LE(now, loop.now());
}

// Qt's event loop wakes up for the earliest timer.
TEST(QtRunLoopOnTheBootClock, FiresATimerFromTheEventLoop) {
    gui::QtRunLoop loop;
    ScopedMainRunLoop installed(loop);
    const double start = loop.now();
    bool fired = false;
    const auto timer =
        Timer::scheduledTimerWithTimeInterval(0, false, [&](Timer&) { fired = true; });
    EXPECT_FALSE(fired);
    ASSERT_TRUE(guitest::waitUntil([&] { return fired; }));
    EXPECT_GT(loop.now(), start);
}

// A timer whose block runs a nested event loop, as an application-modal alert does: timers
// due meanwhile fire inside it.
TEST(QtRunLoopOnTheBootClock, FiresTimersInsideANestedEventLoop) {
    gui::QtRunLoop loop;
    ScopedMainRunLoop installed(loop);
    bool innerFired = false;
    bool outerDone = false;
    std::shared_ptr<Timer> inner;
    const auto outer = Timer::scheduledTimerWithTimeInterval(0, false, [&](Timer&) {
        QEventLoop nested;
        inner = Timer::scheduledTimerWithTimeInterval(0, false, [&](Timer&) {
            innerFired = true;
            nested.quit();
        });
        // Ends a nested loop that the timer never reaches, so that the test fails rather
        // than hangs.
        QTimer::singleShot(5000, &nested, &QEventLoop::quit);
        nested.exec();
        outerDone = true;
    });
    ASSERT_TRUE(guitest::waitUntil([&] { return outerDone; }));
    EXPECT_TRUE(innerFired);
}

struct ExpiryCase {
    double date;
    timespec expiry;
};

// The first nanosecond not before the date; never zero, which disarms a timerfd.
TEST(BootClockWakeUp, ExpiresAtTheFirstNanosecondNotBeforeTheDate) {
    const std::vector<ExpiryCase> cases = {
        {1000.5, {1000, 500'000'000}}, {1000.0, {1000, 0}}, {12.9999999999999, {13, 0}},
        {7.25, {7, 250'000'000}},      {0.0, {0, 1}},       {-3.0, {0, 1}},
    };
    for (const auto& row : cases) {
        const timespec expiry = gui::BootClockWakeUp::expiryAt(row.date);
        EXPECT_EQ(expiry.tv_sec, row.expiry.tv_sec) << row.date;
        EXPECT_EQ(expiry.tv_nsec, row.expiry.tv_nsec) << row.date;
    }
    const timespec justAfter = gui::BootClockWakeUp::expiryAt(1000.0000001);
    EXPECT_EQ(justAfter.tv_sec, 1000);
    EXPECT_GE(justAfter.tv_nsec, 100);
    EXPECT_LE(justAfter.tv_nsec, 101);
}

// Armed on the boot clock at an absolute moment, as the kernel then holds it.
TEST(BootClockWakeUp, ArmsTheTimerfdForTheDateAndDisarms) {
    gui::BootClockWakeUp wakeUp([] {});
    ASSERT_TRUE(wakeUp.usesTimerfd());
    EXPECT_FALSE(wakeUp.secondsLeft());
    wakeUp.arm(platform::monotonicSeconds() + 1000);
    const auto left = wakeUp.secondsLeft();
    ASSERT_TRUE(left);
    EXPECT_GT(*left, 990);
    EXPECT_LE(*left, 1000);
    wakeUp.arm(std::nullopt);
    EXPECT_FALSE(wakeUp.secondsLeft());
}

TEST_F(QtRunLoopTest, BackgroundWorkHandsBackOnTheMainThread) {
    const auto mainThread = std::this_thread::get_id();
    std::thread::id workedOn;
    std::thread::id handedBackOn;
    bool handedBack = false;
    {
        OperationQueue background;
        background.addOperationWithBlock([&] {
            workedOn = std::this_thread::get_id();
            OperationQueue::mainQueue().addOperationWithBlock([&] {
                handedBackOn = std::this_thread::get_id();
                handedBack = true;
            });
        });
    }
    ASSERT_TRUE(waitUntil([&] { return handedBack; }));
    EXPECT_NE(workedOn, mainThread);
    EXPECT_EQ(handedBackOn, mainThread);
    loop.waitForBackgroundOperations();
}

} // namespace

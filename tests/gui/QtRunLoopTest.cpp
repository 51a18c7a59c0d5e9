#include "GuiTest.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/Timer.h"

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

// The program's clock: Qt's event loop wakes up for the earliest timer.
TEST(QtRunLoopOnTheSteadyClock, FiresATimerFromTheEventLoop) {
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

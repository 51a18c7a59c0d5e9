#include "platform/base/ManualRunLoop.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/RealTimeRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/Timer.h"

#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using platform::ManualRunLoop;
using platform::OperationQueue;
using platform::RealTimeRunLoop;
using platform::ScopedMainRunLoop;
using platform::Timer;

namespace {

void onMainQueue(std::function<void()> block) {
    OperationQueue::mainQueue().addOperationWithBlock(std::move(block));
}

class MainQueue : public testing::Test {
protected:
    std::function<void()> record(std::string name) {
        return [this, name] { ran.push_back(name); };
    }

    ManualRunLoop loop;
    ScopedMainRunLoop installed{loop};
    std::vector<std::string> ran;
};

TEST_F(MainQueue, BlocksRunAfterTheCurrentEventInTheOrderAdded) {
    for (const char* name : {"a", "b", "c"})
        onMainQueue(record(name));
    EXPECT_TRUE(ran.empty()) << "adding never runs a block at once";
    loop.runUntilIdle();
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b", "c"}));
    loop.runUntilIdle();
    EXPECT_EQ(ran.size(), 3u) << "each block runs once";
}

TEST_F(MainQueue, BlocksPostedWhileRunningRunInTheSameCallAfterThoseBefore) {
    onMainQueue([this] {
        ran.push_back("a");
        onMainQueue([this] {
            ran.push_back("a2");
            onMainQueue(record("a3"));
        });
    });
    onMainQueue(record("b"));
    loop.runUntilIdle();
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b", "a2", "a3"}));
}

TEST_F(MainQueue, PostsFromOtherThreadsRunOnTheMainThreadInEachThreadsOrder) {
    constexpr int threads = 4;
    constexpr int postsEach = 200;
    std::vector<std::pair<int, int>> received;
    bool allOnMainThread = true;
    const auto mainThread = std::this_thread::get_id();
    std::vector<std::thread> posters;
    for (int t = 0; t < threads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < postsEach; ++i) {
                onMainQueue([&, t, i] {
                    allOnMainThread = allOnMainThread && std::this_thread::get_id() == mainThread;
                    received.emplace_back(t, i);
                });
            }
        });
    }
    for (auto& poster : posters)
        poster.join();
    loop.runUntilIdle();

    ASSERT_EQ(received.size(), std::size_t(threads * postsEach));
    EXPECT_TRUE(allOnMainThread);
    std::vector<int> next(threads, 0);
    for (const auto& [t, i] : received)
        EXPECT_EQ(i, next[t]++) << "posts of thread " << t << " out of order";
}

TEST_F(MainQueue, AdvanceMovesTheVirtualClockAndRunsWhatIsPosted) {
    EXPECT_EQ(loop.now(), 0.0);
    onMainQueue(record("a"));
    loop.advance(2.5);
    EXPECT_EQ(ran, std::vector<std::string>{"a"});
    EXPECT_EQ(loop.now(), 2.5);
    loop.advance(0);
    EXPECT_EQ(loop.now(), 2.5);
}

TEST(RunLoopMisuse, IsAProgrammingError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* noLoop = "no main run loop installed";
    EXPECT_DEATH(onMainQueue([] {}), noLoop);
    EXPECT_DEATH(OperationQueue().addOperationWithBlock([] {}), noLoop);
    EXPECT_DEATH((void)Timer::scheduledTimerWithTimeInterval(1, false, [](Timer&) {}), noLoop);
    EXPECT_DEATH(
        {
            ManualRunLoop first;
            ManualRunLoop second;
            ScopedMainRunLoop installedFirst(first);
            ScopedMainRunLoop installedSecond(second);
        },
        "while another one is");
    EXPECT_DEATH(
        {
            auto* loop = new ManualRunLoop;
            ScopedMainRunLoop installed(*loop);
            delete loop;
        },
        "destroyed while installed");
    EXPECT_DEATH(ManualRunLoop().advance(-1), "backwards");
    EXPECT_DEATH(
        {
            ManualRunLoop loop;
            ScopedMainRunLoop installed(loop);
            onMainQueue({});
        },
        "without a block");
}

// The clock counts the time the machine was suspended: it is CLOCK_BOOTTIME's.
TEST(RealTimeRunLoop, ItsClockIsTheBootClock) {
    const auto boot = [] {
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    };
    RealTimeRunLoop loop;
    const double before = boot();
    const double now = loop.now();
    const double after = boot();
    EXPECT_LE(before, now + 1e-6);
    EXPECT_LE(now, after + 1e-6);
    EXPECT_LE(now, loop.now());
}

TEST(RealTimeRunLoop, RunsATimerAndAPostFromAnotherThreadThenStops) {
    RealTimeRunLoop loop;
    ScopedMainRunLoop installed(loop);
    const auto mainThread = std::this_thread::get_id();
    std::thread::id timerThread, postThread;
    auto stopOnceBothRan = [&] {
        if (timerThread != std::thread::id() && postThread != std::thread::id())
            loop.stop();
    };
    const auto timer = Timer::scheduledTimerWithTimeInterval(0.01, false, [&](Timer&) {
        timerThread = std::this_thread::get_id();
        stopOnceBothRan();
    });
    std::thread poster([&] {
        onMainQueue([&] {
            postThread = std::this_thread::get_id();
            stopOnceBothRan();
        });
    });

    loop.run();
    poster.join();
    EXPECT_EQ(timerThread, mainThread);
    EXPECT_EQ(postThread, mainThread);
    EXPECT_FALSE(timer->isValid());
}

TEST(RealTimeRunLoop, StopEndsAnIdleLoopFromAnyThread) {
    RealTimeRunLoop loop;
    loop.stop();
    loop.run(); // a stop before run ends it at once

    std::thread stopper([&] { loop.stop(); });
    loop.run();
    stopper.join();
}

TEST(RealTimeRunLoop, BackgroundWorkHandsBackToTheRunningLoop) {
    RealTimeRunLoop loop;
    ScopedMainRunLoop installed(loop);
    const auto mainThread = std::this_thread::get_id();
    std::thread::id workThread, handBackThread;
    OperationQueue().addOperationWithBlock([&] {
        workThread = std::this_thread::get_id();
        onMainQueue([&] {
            handBackThread = std::this_thread::get_id();
            loop.stop();
        });
    });
    loop.run();
    EXPECT_NE(workThread, mainThread);
    EXPECT_EQ(handBackThread, mainThread);
}

} // namespace

#include "platform/base/OperationQueue.h"

#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <utility>
#include <vector>

using platform::ManualRunLoop;
using platform::OperationQueue;
using platform::ScopedMainRunLoop;

namespace {

void onMainQueue(std::function<void()> block) {
    OperationQueue::mainQueue().addOperationWithBlock(std::move(block));
}

class OperationQueueTest : public testing::Test {
protected:
    ManualRunLoop loop;
    ScopedMainRunLoop installed{loop};
    const std::thread::id mainThread = std::this_thread::get_id();
};

TEST_F(OperationQueueTest, WorkRunsOnAWorkerThreadAndHandsBackOnTheMainLoop) {
    OperationQueue queue;
    std::thread::id workThread, handBackThread;
    int result = 0;
    queue.addOperationWithBlock([&] {
        workThread = std::this_thread::get_id();
        const int computed = 42;
        onMainQueue([&, computed] {
            handBackThread = std::this_thread::get_id();
            result = computed;
        });
    });
    EXPECT_EQ(result, 0) << "a hand-back runs only when the main loop runs";
    loop.runUntilIdle();
    EXPECT_EQ(result, 42);
    EXPECT_NE(workThread, mainThread);
    EXPECT_EQ(handBackThread, mainThread);
}

TEST_F(OperationQueueTest, OperationsOfOneQueueRunInOrderOnOneThread) {
    OperationQueue queue;
    std::vector<int> order;
    std::set<std::thread::id> threads;
    for (int i = 0; i < 5; ++i) {
        queue.addOperationWithBlock([&, i] {
            order.push_back(i);
            threads.insert(std::this_thread::get_id());
        });
    }
    loop.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(threads.size(), 1u);
    EXPECT_EQ(threads.count(mainThread), 0u);
}

// As the update check does: a fresh queue per request, dropped at once.
TEST_F(OperationQueueTest, AQueueDestroyedWithWorkPendingStillRunsItAndHandsBack) {
    std::promise<void> gate;
    const std::shared_future<void> opened = gate.get_future().share();
    std::vector<std::pair<int, int>> handedBack;
    for (int queueIndex = 0; queueIndex < 3; ++queueIndex) {
        OperationQueue queue;
        for (int step = 0; step < 2; ++step) {
            queue.addOperationWithBlock([&handedBack, opened, queueIndex, step] {
                opened.wait();
                onMainQueue(
                    [&handedBack, queueIndex, step] { handedBack.emplace_back(queueIndex, step); });
            });
        }
    }
    gate.set_value();
    loop.runUntilIdle();

    ASSERT_EQ(handedBack.size(), 6u);
    for (int queueIndex = 0; queueIndex < 3; ++queueIndex) {
        const auto first =
            std::find(handedBack.begin(), handedBack.end(), std::pair{queueIndex, 0});
        const auto second =
            std::find(handedBack.begin(), handedBack.end(), std::pair{queueIndex, 1});
        EXPECT_LT(first, second) << "queue " << queueIndex;
    }
}

TEST(OperationQueueLifetime, TheMainLoopStaysInstalledUntilBackgroundWorkHasHandedBack) {
    std::promise<void> gate;
    std::atomic<bool> handedBack{false};
    std::thread opener;
    {
        ManualRunLoop loop;
        ScopedMainRunLoop installed(loop);
        OperationQueue().addOperationWithBlock([&handedBack, opened = gate.get_future().share()] {
            opened.wait();
            onMainQueue([] {});
            handedBack = true;
        });
        opener = std::thread([&gate] { gate.set_value(); });
    }
    EXPECT_TRUE(handedBack);
    opener.join();
}

} // namespace

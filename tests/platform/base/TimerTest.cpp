#include "platform/base/Timer.h"

#include "platform/base/ManualRunLoop.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/ScopedMainRunLoop.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using platform::ManualRunLoop;
using platform::OperationQueue;
using platform::ScopedMainRunLoop;
using platform::Timer;

namespace {

using Firings = std::vector<std::pair<std::string, double>>;

class TimerTest : public testing::Test {
protected:
    std::shared_ptr<Timer> schedule(std::string name, double seconds, bool repeats = false) {
        return Timer::scheduledTimerWithTimeInterval(seconds, repeats, record(std::move(name)));
    }

    Timer::Block record(std::string name) {
        return [this, name](Timer&) { fired.emplace_back(name, loop.now()); };
    }

    ManualRunLoop loop;
    ScopedMainRunLoop installed{loop};
    Firings fired;
};

TEST_F(TimerTest, OneShotFiresOnceAtItsFireDate) {
    loop.advance(1);
    const auto timer = schedule("a", 2);
    EXPECT_TRUE(timer->isValid());
    EXPECT_EQ(timer->fireDate(), 3.0);
    EXPECT_EQ(timer->timeInterval(), 0.0) << "the platform reports 0 for a one-shot timer";

    loop.advance(1.5);
    EXPECT_TRUE(fired.empty());
    loop.advance(0.5);
    EXPECT_EQ(fired, (Firings{{"a", 3.0}}));
    EXPECT_FALSE(timer->isValid());
    loop.advance(10);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(TimerTest, RepeatingTimerFiresEachTimeItIsDueWithinTheSpan) {
    const auto timer = schedule("r", 0.25, true);
    EXPECT_EQ(timer->timeInterval(), 0.25);
    loop.advance(1);
    EXPECT_EQ(fired, (Firings{{"r", 0.25}, {"r", 0.5}, {"r", 0.75}, {"r", 1.0}}));
    EXPECT_TRUE(timer->isValid());
    EXPECT_EQ(timer->fireDate(), 1.25);

    timer->invalidate();
    loop.advance(1);
    EXPECT_EQ(fired.size(), 4u);
}

TEST_F(TimerTest, SeveralTimersFireInFireDateOrderWithTheClockAtEach) {
    const auto a = schedule("a", 3);
    const auto b = schedule("b", 1);
    const auto c = schedule("c", 2);
    const auto d = schedule("d", 1.5, true);
    const auto e = schedule("e", 1); // due with b, scheduled after it
    loop.advance(3);
    EXPECT_EQ(fired, (Firings{{"b", 1}, {"e", 1}, {"d", 1.5}, {"c", 2}, {"a", 3}, {"d", 3}}));
    EXPECT_EQ(loop.now(), 3.0);
}

// As while an application-modal alert, shown from a timer's block, waits for its answer.
TEST_F(TimerTest, AnAdvanceInsideATimersBlockFiresTheTimersDueMeanwhile) {
    const auto outer = Timer::scheduledTimerWithTimeInterval(1, false, [this](Timer&) {
        fired.emplace_back("outer", loop.now());
        loop.advance(100);
    });
    const auto inside = schedule("inside", 50);
    const auto after = schedule("after", 150);
    loop.advance(2);
    EXPECT_EQ(fired, (Firings{{"outer", 1}, {"inside", 50}}));
    EXPECT_EQ(loop.now(), 101.0);
    loop.advance(49);
    EXPECT_EQ(fired.back(), (std::pair<std::string, double>{"after", 150}));
}

TEST_F(TimerTest, BlocksPostedByAFiringRunBeforeTheNextTimer) {
    const auto first = Timer::scheduledTimerWithTimeInterval(1, false, [this](Timer&) {
        fired.emplace_back("first", loop.now());
        OperationQueue::mainQueue().addOperationWithBlock(
            [this] { fired.emplace_back("posted", loop.now()); });
    });
    const auto second = schedule("second", 1.5);
    loop.advance(2);
    EXPECT_EQ(fired, (Firings{{"first", 1}, {"posted", 1}, {"second", 1.5}}));
}

TEST_F(TimerTest, InvalidatedTimerNeverFiresAndLetsGoOfItsBlock) {
    auto token = std::make_shared<int>(0);
    const std::weak_ptr<int> held = token;
    Timer::Block victimBlock = [this, token = std::move(token)](Timer&) {
        fired.emplace_back("victim", loop.now());
    };

    // By the test, by a timer due at the same moment, by an earlier timer, and by a block
    // that an earlier timer posted.
    const auto before = Timer::scheduledTimerWithTimeInterval(1, true, victimBlock);
    before->invalidate();
    EXPECT_FALSE(before->isValid());

    std::shared_ptr<Timer> sameMoment;
    const auto killer1 =
        Timer::scheduledTimerWithTimeInterval(2, false, [&](Timer&) { sameMoment->invalidate(); });
    sameMoment = Timer::scheduledTimerWithTimeInterval(2, false, victimBlock);

    const auto later = Timer::scheduledTimerWithTimeInterval(4, false, victimBlock);
    const auto killer2 =
        Timer::scheduledTimerWithTimeInterval(3, false, [&](Timer&) { later->invalidate(); });

    const auto posted = Timer::scheduledTimerWithTimeInterval(0.5, true, victimBlock);
    const auto killer3 = Timer::scheduledTimerWithTimeInterval(0.25, false, [&](Timer&) {
        OperationQueue::mainQueue().addOperationWithBlock([&] { posted->invalidate(); });
    });

    victimBlock = nullptr;
    loop.advance(10);
    EXPECT_TRUE(fired.empty());
    EXPECT_TRUE(held.expired()) << "every invalidated timer let go of its block";
}

TEST_F(TimerTest, ABlockMayInvalidateItsOwnTimerAndScheduleNewOnes) {
    auto token = std::make_shared<int>(0);
    const std::weak_ptr<int> held = token;
    std::shared_ptr<Timer> follower;
    const auto timer =
        Timer::scheduledTimerWithTimeInterval(1, true, [&, token = std::move(token)](Timer& self) {
            fired.emplace_back("r", loop.now());
            if (fired.size() < 2)
                return;
            self.invalidate();
            follower = schedule("follower", 0.5);
        });
    loop.advance(5);
    EXPECT_EQ(fired, (Firings{{"r", 1}, {"r", 2}, {"follower", 2.5}}));
    EXPECT_FALSE(timer->isValid());
    EXPECT_TRUE(held.expired());
}

TEST_F(TimerTest, TheLoopKeepsAScheduledTimerAliveUntilItIsDone) {
    const std::weak_ptr<Timer> oneShot = schedule("once", 1);
    const std::weak_ptr<Timer> repeating = schedule("again", 1, true);
    loop.advance(0.5);
    EXPECT_FALSE(oneShot.expired());
    loop.advance(2);
    EXPECT_TRUE(oneShot.expired()) << "a one-shot timer is let go of once it has fired";
    ASSERT_FALSE(repeating.expired());
    repeating.lock()->invalidate();
    EXPECT_TRUE(repeating.expired());
    EXPECT_EQ(fired, (Firings{{"once", 1}, {"again", 1}, {"again", 2}}));
}

TEST_F(TimerTest, IntervalOfZeroOrLessBecomesTheShortestOne) {
    for (const double seconds : {0.0, -5.0}) {
        const auto timer = schedule("short", seconds, true);
        EXPECT_EQ(timer->fireDate(), loop.now() + 0.0001) << seconds;
        EXPECT_EQ(timer->timeInterval(), 0.0001) << seconds;
        timer->invalidate();
    }
}

TEST(TimerOutlivingItsLoop, BecomesInvalidAndStaysSafeToUse) {
    std::shared_ptr<Timer> kept;
    std::shared_ptr<Timer> other;
    {
        ManualRunLoop loop;
        ScopedMainRunLoop installed(loop);
        kept = Timer::scheduledTimerWithTimeInterval(1, true, [](Timer&) {});
        other = Timer::scheduledTimerWithTimeInterval(1, false, [](Timer&) {});
        // Releasing this block, as the loop goes, invalidates another timer of the loop.
        struct InvalidatesOnDestruction {
            std::shared_ptr<Timer> target;
            ~InvalidatesOnDestruction() { target->invalidate(); }
        };
        auto guard = std::make_shared<InvalidatesOnDestruction>(other);
        std::weak_ptr<Timer> unused =
            Timer::scheduledTimerWithTimeInterval(5, false, [guard = std::move(guard)](Timer&) {});
    }
    EXPECT_FALSE(kept->isValid());
    EXPECT_FALSE(other->isValid());
    kept->invalidate();
}

} // namespace

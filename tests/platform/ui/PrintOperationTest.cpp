#include "platform/ui/PrintOperation.h"

#include "platform/ui/Environment.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

using platform::PrintOperation;
using platform::View;

namespace {

class PrintPanel : public testing::Test {
protected:
    void SetUp() override {
        PrintOperation::setPresenter(
            [this](const auto& operation) { shown_.push_back(operation); });
    }
    void TearDown() override { PrintOperation::setPresenter({}); }

    platform::Environment environment_;
    std::vector<std::shared_ptr<PrintOperation>> shown_;
};

TEST_F(PrintPanel, RunningShowsThePanelForTheViewAndReturnsAtOnce) {
    const auto body = std::make_shared<View>();
    std::vector<bool> answers;
    PrintOperation::printOperationWithView(body)->runOperation(
        [&](bool printed) { answers.push_back(printed); });

    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0]->view(), body);
    EXPECT_EQ(shown_[0]->state(), PrintOperation::State::Pending);
    EXPECT_TRUE(answers.empty());

    shown_[0]->complete();
    shown_[0]->cancel();
    EXPECT_EQ(shown_[0]->state(), PrintOperation::State::Printed);
    EXPECT_EQ(answers, std::vector<bool>{true});
}

TEST_F(PrintPanel, CancelIsObservable) {
    const auto operation = PrintOperation::printOperationWithView(std::make_shared<View>());
    int changes = 0;
    const auto observation = operation->addObserver(u"state", [&](const auto&) { ++changes; });
    operation->runOperation();
    shown_.at(0)->cancel();
    EXPECT_EQ(operation->state(), PrintOperation::State::Cancelled);
    EXPECT_EQ(changes, 1);
}

TEST(PrintWithoutPanel, IsCancelled) {
    platform::Environment environment;
    bool printed = true;
    PrintOperation::printOperationWithView(std::make_shared<View>())
        ->runOperation([&](bool answer) { printed = answer; });
    EXPECT_FALSE(printed);
}

} // namespace

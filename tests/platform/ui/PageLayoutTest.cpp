#include "platform/ui/PageLayout.h"

#include "UiTest.h"
#include "platform/ui/Environment.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

using platform::PageLayout;
using platform::PrintInfo;
using platform::PrintOperation;
using platform::View;

namespace {

PrintInfo landscapeLetter() {
    PrintInfo chosen;
    chosen.setPaperSize({612, 792});
    chosen.setOrientation(PrintInfo::Orientation::Landscape);
    chosen.setMargins({36, 18, 36, 18});
    return chosen;
}

class PageSetup : public uitest::UiTest {
protected:
    void SetUp() override {
        PageLayout::setPresenter([this](const auto& layout) { shown_.push_back(layout); });
        PrintOperation::setPresenter(
            [this](const auto& operation) { printing_.push_back(operation); });
    }

    std::vector<std::shared_ptr<PageLayout>> shown_;
    std::vector<std::shared_ptr<PrintOperation>> printing_;
};

TEST_F(PageSetup, OkStoresTheChoiceForTheNextPrintAndCancelKeepsTheSharedSettings) {
    struct Case {
        bool ok;
        PrintInfo shared;
    };
    for (const auto& [ok, shared] : {Case{true, landscapeLetter()}, Case{false, PrintInfo()}}) {
        SCOPED_TRACE(ok ? "OK" : "cancel");
        PrintInfo::setSharedPrintInfo(nullptr);
        shown_.clear();
        const auto window = shownWindow();
        std::vector<bool> answers;
        PageLayout::pageLayout()->beginSheetModalForWindow(
            window, [&](bool accepted) { answers.push_back(accepted); });
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0]->window(), window);
        EXPECT_EQ(shown_[0]->printInfo(), PrintInfo()) << "starts from the shared settings";

        shown_[0]->printInfo() = landscapeLetter();
        EXPECT_EQ(*PrintInfo::sharedPrintInfo(), PrintInfo()) << "nothing shared before the answer";
        ok ? shown_[0]->complete() : shown_[0]->cancel();
        shown_[0]->complete();
        EXPECT_EQ(answers, std::vector<bool>{ok}) << "answers once";
        EXPECT_EQ(*PrintInfo::sharedPrintInfo(), shared);
        EXPECT_EQ(PrintOperation::printOperationWithView(std::make_shared<View>())->printInfo(),
                  shared);
    }
}

TEST_F(PageSetup, CancellingAWindowsOperationsLeavesThoseOfOtherWindows) {
    const auto window = shownWindow();
    const auto other = shownWindow();
    const auto viewIn = [](const std::shared_ptr<platform::Window>& shown) {
        auto view = std::make_shared<View>();
        shown->contentView()->addSubview(view);
        return view;
    };
    std::vector<bool> answers;
    for (const auto& shown : {window, other}) {
        shown->setContentView(std::make_shared<View>());
        PageLayout::pageLayout()->beginSheetModalForWindow(shown);
        PrintOperation::printOperationWithView(viewIn(shown))->runOperation([&](bool printed) {
            answers.push_back(printed);
        });
    }
    PrintOperation::printOperationWithView(std::make_shared<View>())->runOperation();
    // One already answered stays answered.
    PrintOperation::printOperationWithView(window->contentView())->runOperation();
    printing_.back()->complete();

    PrintOperation::cancelOperationsOfWindow(*window);
    PageLayout::cancelLayoutsOfWindow(*window);

    using Printing = PrintOperation::State;
    using Layout = PageLayout::State;
    EXPECT_EQ(shown_[0]->state(), Layout::Cancelled);
    EXPECT_EQ(shown_[1]->state(), Layout::Pending);
    ASSERT_EQ(printing_.size(), 4u);
    EXPECT_EQ(printing_[0]->state(), Printing::Cancelled);
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(printing_[1]->state(), Printing::Pending) << "the other window's";
    EXPECT_EQ(printing_[2]->state(), Printing::Pending) << "a view in no window";
    EXPECT_EQ(printing_[3]->state(), Printing::Printed);
}

TEST(PageSetupWithoutPresenter, IsCancelledAndKeepsTheSharedSettings) {
    platform::Environment environment;
    std::vector<bool> answers;
    const auto layout = PageLayout::pageLayout();
    layout->beginSheetModalForWindow(nullptr, [&](bool accepted) { answers.push_back(accepted); });
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(layout->state(), PageLayout::State::Cancelled);
    layout->printInfo() = landscapeLetter();
    layout->complete();
    EXPECT_EQ(*PrintInfo::sharedPrintInfo(), PrintInfo());
}

} // namespace

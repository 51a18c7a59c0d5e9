#include "UiTest.h"
#include "platform/base/OperationQueue.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WindowDelegate.h"

using namespace platform;

namespace {

class SheetTest : public uitest::UiTest {
protected:
    // The handler records the sheet's return code under its name.
    Window::SheetHandler record(const char* name) {
        return [this, name](ModalResponse code) { ended.emplace_back(name, code); };
    }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<Panel> first = std::make_shared<Panel>();
    std::shared_ptr<Panel> second = std::make_shared<Panel>();
    std::vector<std::pair<std::string, ModalResponse>> ended;
};

TEST_F(SheetTest, BeginReturnsAtOnceAndEndRunsTheHandler) {
    window->beginSheet(first, record("first"));
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(window->attachedSheet(), first);
    EXPECT_EQ(first->sheetParent(), window);
    EXPECT_TRUE(first->isVisible());

    window->endSheet(first);
    EXPECT_EQ(ended, (std::vector<std::pair<std::string, ModalResponse>>{{"first", -1000}}));
    EXPECT_EQ(window->attachedSheet(), nullptr);
    EXPECT_EQ(first->sheetParent(), nullptr);
    EXPECT_FALSE(first->isVisible());

    window->beginSheet(first, record("again"));
    window->endSheet(first, 1000);
    EXPECT_EQ(ended.back(), (std::pair<std::string, ModalResponse>{"again", 1000}));
}

TEST_F(SheetTest, ASecondSheetWaitsUntilTheFirstHasEnded) {
    window->beginSheet(first, record("first"));
    window->beginSheet(second, record("second"));
    EXPECT_EQ(window->attachedSheet(), first);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(second->sheetParent(), nullptr);

    window->endSheet(first, 1001);
    EXPECT_EQ(window->attachedSheet(), second);
    window->endSheet(second, 1);
    EXPECT_EQ(ended,
              (std::vector<std::pair<std::string, ModalResponse>>{{"first", 1001}, {"second", 1}}));
}

TEST_F(SheetTest, SheetBegunByAHandlerQueuesBehindTheWaitingOnes) {
    auto third = std::make_shared<Panel>();
    window->beginSheet(first, [&](ModalResponse) { window->beginSheet(third, record("third")); });
    window->beginSheet(second, record("second"));
    window->endSheet(first);
    EXPECT_EQ(window->attachedSheet(), second);
    window->endSheet(second);
    EXPECT_EQ(window->attachedSheet(), third);
}

TEST_F(SheetTest, HandlerRunsAfterTheSheetHasLeftTheWindow) {
    std::shared_ptr<Window> attachedDuringHandler = first;
    window->beginSheet(first, [&](ModalResponse) {
        attachedDuringHandler = window->attachedSheet();
        // A sheet begun by the handler is shown at once.
        window->beginSheet(second, record("second"));
    });
    window->endSheet(first);
    EXPECT_EQ(attachedDuringHandler, nullptr);
    EXPECT_EQ(window->attachedSheet(), second);
}

TEST_F(SheetTest, ApplicationEndsASheetWhereverItIs) {
    auto other = shownWindow();
    other->beginSheet(first, record("first"));
    window->beginSheet(second, record("second"));
    app->endSheet(first);
    app->endSheet(second, 7);
    EXPECT_EQ(ended, (std::vector<std::pair<std::string, ModalResponse>>{{"first", -1000},
                                                                         {"second", 7}}));
    app->endSheet(first); // no longer a sheet
    EXPECT_EQ(ended.size(), 2u);
}

TEST_F(SheetTest, EndingAWaitingSheetRunsItsHandlerWithoutShowingIt) {
    window->beginSheet(first, record("first"));
    window->beginSheet(second, record("second"));
    app->endSheet(second);
    EXPECT_EQ(ended, (std::vector<std::pair<std::string, ModalResponse>>{{"second", -1000}}));
    window->endSheet(first);
    EXPECT_EQ(window->attachedSheet(), nullptr);
    EXPECT_FALSE(second->isVisible());
}

TEST_F(SheetTest, EndingWhatIsNotAttachedDoesNothing) {
    window->beginSheet(first, record("first"));
    window->endSheet(second);
    window->endSheet(nullptr);
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(window->attachedSheet(), first);
}

struct KeyCounter : WindowDelegate {
    void windowDidBecomeKey(Window&) override { ++becameKey; }
    int becameKey = 0;
};

TEST_F(SheetTest, SheetOfTheKeyWindowIsKeyUntilItEnds) {
    auto counter = std::make_shared<KeyCounter>();
    window->setDelegate(counter);
    window->beginSheet(first, record("first"));
    EXPECT_TRUE(first->isKeyWindow());
    EXPECT_FALSE(window->isKeyWindow());
    window->endSheet(first);
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(counter->becameKey, 1);

    window->beginSheet(first, record("first"));
    window->orderOut(nullptr);
    window->makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(app->keyWindow(), first) << "a window with a sheet gives the key status to it";
}

// The road of an automatic lock: end whatever sheet is attached (its handler sees the
// stop answer and takes no action), then do the work after the current event.
TEST_F(SheetTest, EndingTheAttachedSheetThenWorkingThroughTheMainQueue) {
    bool confirmed = false;
    bool locked = false;
    window->beginSheet(first, [&](ModalResponse code) { confirmed = code == 1000; });
    if (const auto sheet = window->attachedSheet())
        window->endSheet(sheet);
    OperationQueue::mainQueue().addOperationWithBlock([&] { locked = true; });
    EXPECT_FALSE(locked);
    loop.runUntilIdle();
    EXPECT_FALSE(confirmed);
    EXPECT_TRUE(locked);
}

} // namespace

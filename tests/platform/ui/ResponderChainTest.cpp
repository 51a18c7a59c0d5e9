#include "UiTest.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Panel.h"
#include "platform/ui/View.h"
#include "platform/ui/WindowDelegate.h"

using namespace platform;
using uitest::Recording;
using uitest::RecordingResponder;

namespace {

class RecordingAppDelegate : public RecordingResponder, public ApplicationDelegate {};
class RecordingWindowDelegate : public RecordingResponder, public WindowDelegate {};

// A document window: a view inside the content view is first responder, the document
// is the window's next responder.
class ResponderChainTest : public uitest::UiTest {
protected:
    ResponderChainTest() {
        window->setContentView(content);
        content->addSubview(field);
        window->setNextResponder(document);
        window->setDelegate(windowDelegate);
        app->setDelegate(appDelegate);
        app->setFinalResponder(documentController);
        window->makeKeyAndOrderFront(nullptr);
        EXPECT_TRUE(window->makeFirstResponder(field));
    }

    std::shared_ptr<Recording<Window>> window = std::make_shared<Recording<Window>>();
    std::shared_ptr<View> content = std::make_shared<View>();
    std::shared_ptr<Recording<View>> field = std::make_shared<Recording<View>>();
    std::shared_ptr<RecordingResponder> document = std::make_shared<RecordingResponder>();
    std::shared_ptr<RecordingWindowDelegate> windowDelegate =
        std::make_shared<RecordingWindowDelegate>();
    std::shared_ptr<RecordingAppDelegate> appDelegate = std::make_shared<RecordingAppDelegate>();
    std::shared_ptr<RecordingResponder> documentController = std::make_shared<RecordingResponder>();
};

TEST_F(ResponderChainTest, NilTargetedActionReachesTheNearestResponderThatAnswersIt) {
    // From the far end of the chain to its start, one more responder answers "act:" each
    // time; the nearest one that answers it is the target.
    const std::vector<std::pair<Responder*, std::function<void()>>> farToNear = {
        {documentController.get(), [&] { documentController->answer(u"act:"); }},
        {appDelegate.get(), [&] { appDelegate->answer(u"act:"); }},
        {windowDelegate.get(), [&] { windowDelegate->answer(u"act:"); }},
        {document.get(), [&] { document->answer(u"act:"); }},
        {window.get(), [&] { window->answer(u"act:"); }},
        {field.get(), [&] { field->answer(u"act:"); }},
    };
    for (const auto& [responder, answer] : farToNear) {
        answer();
        EXPECT_EQ(app->targetForAction(u"act:").get(), responder);
    }

    const auto sender = std::make_shared<MenuItem>(u"Act", u"act:", u"");
    EXPECT_TRUE(app->sendAction(u"act:", nullptr, sender));
    ASSERT_EQ(field->calls.size(), 1u);
    EXPECT_EQ(field->calls[0].sender, sender.get());
    EXPECT_TRUE(document->calls.empty());
}

TEST_F(ResponderChainTest, ChainGoesOnFromTheWindowWhenTheWindowIsFirstResponder) {
    document->answer(u"lockDocument:");
    ASSERT_TRUE(window->makeFirstResponder(nullptr));
    EXPECT_EQ(window->firstResponder(), window);
    EXPECT_TRUE(app->sendAction(u"lockDocument:", nullptr, nullptr));
    EXPECT_EQ(document->calls.size(), 1u);
}

TEST_F(ResponderChainTest, ActionNobodyAnswersDoesNothing) {
    EXPECT_EQ(app->targetForAction(u"nobodyAnswers:"), nullptr);
    EXPECT_FALSE(app->sendAction(u"nobodyAnswers:", nullptr, nullptr));
    EXPECT_FALSE(app->sendAction(u"", nullptr, nullptr));
}

TEST_F(ResponderChainTest, WithoutAKeyWindowTheChainStartsAtTheApplication) {
    document->answer(u"lockDocument:");
    appDelegate->answer(u"openPreferences:");
    appDelegate->answer(u"terminate:");
    window->orderOut(nullptr);
    EXPECT_EQ(app->keyWindow(), nullptr);
    EXPECT_EQ(app->targetForAction(u"lockDocument:"), nullptr);
    EXPECT_EQ(app->targetForAction(u"openPreferences:"), appDelegate);
    EXPECT_EQ(app->targetForAction(u"terminate:"), app)
        << "the application comes before its delegate";
}

TEST_F(ResponderChainTest, ASheetsChainGoesOnWithTheWindowItIsAttachedTo) {
    document->answer(u"lockDocument:");
    auto sheet = std::make_shared<Recording<Panel>>();
    sheet->answer(u"confirmSheet:");
    window->beginSheet(sheet, {});
    ASSERT_EQ(app->keyWindow(), sheet);
    EXPECT_EQ(app->targetForAction(u"confirmSheet:"), sheet);
    EXPECT_EQ(app->targetForAction(u"lockDocument:"), document);
}

TEST_F(ResponderChainTest, ExplicitTargetGetsTheActionOrNobodyDoes) {
    document->answer(u"lockDocument:");
    auto other = std::make_shared<RecordingResponder>();
    other->answer(u"lockDocument:");
    EXPECT_TRUE(app->sendAction(u"lockDocument:", other, nullptr));
    EXPECT_EQ(other->calls.size(), 1u);
    EXPECT_TRUE(document->calls.empty());

    auto deaf = std::make_shared<RecordingResponder>();
    EXPECT_FALSE(app->sendAction(u"lockDocument:", deaf, nullptr));
    EXPECT_TRUE(document->calls.empty()) << "an explicit target is not replaced by the chain";
}

TEST_F(ResponderChainTest, ControlWhoseTargetHasGoneSendsNothing) {
    document->answer(u"confirm:");
    auto button = std::make_shared<Button>();
    button->setAction(u"confirm:");
    {
        auto target = std::make_shared<RecordingResponder>();
        target->answer(u"confirm:");
        button->setTarget(target);
    }
    button->userPress();
    EXPECT_TRUE(document->calls.empty());

    button->setTarget(nullptr); // nil-targeted again
    button->userPress();
    EXPECT_EQ(document->calls.size(), 1u);
}

TEST_F(ResponderChainTest, SenderCarriesItsTag) {
    std::int64_t seenTag = -1;
    struct Target : RecordingResponder {
        explicit Target(std::int64_t& tag) {
            exposeAction(u"confirmMandatoryPasswordSheet:",
                         [&tag](const Sender& sender) { tag = UserInterfaceItem::tagOf(sender); });
        }
    };
    auto target = std::make_shared<Target>(seenTag);
    auto button = std::make_shared<Button>();
    button->setTag(1000);
    button->setAction(u"confirmMandatoryPasswordSheet:");
    button->setTarget(target);
    button->userPress();
    EXPECT_EQ(seenTag, 1000);

    EXPECT_EQ(UserInterfaceItem::tagOf(nullptr), 0);
    EXPECT_EQ(UserInterfaceItem::tagOf(target), 0);
}

TEST_F(ResponderChainTest, TryToPerformWalksTheNextResponders) {
    document->answer(u"lockDocument:");
    EXPECT_TRUE(field->tryToPerform(u"lockDocument:", nullptr));
    EXPECT_EQ(document->calls.size(), 1u);
    EXPECT_FALSE(field->tryToPerform(u"nobodyAnswers:", nullptr));
}

TEST(ResponderCycle, NextResponderLoopEndsTheSearch) {
    auto a = std::make_shared<RecordingResponder>();
    auto b = std::make_shared<RecordingResponder>();
    a->setNextResponder(b);
    b->setNextResponder(a);
    EXPECT_FALSE(a->tryToPerform(u"nobodyAnswers:", nullptr));
}

} // namespace

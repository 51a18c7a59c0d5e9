#include "UiTest.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextField.h"
#include "platform/ui/View.h"
#include "platform/ui/WindowDelegate.h"

using namespace platform;

namespace {

using WindowTest = uitest::UiTest;

TEST_F(WindowTest, UserResizeIsBoundedByMinimumAndMaximumAndKeepsTheTopEdge) {
    struct Case {
        Size asked;
        Size given;
    };
    const Case cases[] = {
        {{500, 400}, {500, 400}}, {{100, 50}, {400, 200}},  {{2000, 1500}, {800, 700}},
        {{300, 900}, {400, 700}}, {{400, 200}, {400, 200}},
    };
    auto window = shownWindow({100, 200, 640, 500});
    window->setMinSize({400, 200});
    window->setMaxSize({800, 700});
    for (const auto& c : cases) {
        window->setFrame({100, 200, 640, 500}, true);
        window->userResize(c.asked);
        EXPECT_EQ(window->frame().size, c.given);
        EXPECT_EQ(window->frame().maxY(), 700) << "the top edge stays";
        EXPECT_EQ(window->frame().minX(), 100);
    }

    window->setMaxSize(window->minSize()); // a fixed size, as a locked window has
    window->userResize({900, 900});
    EXPECT_EQ(window->frame().size, (Size{400, 200}));

    window->userMove({10, 20});
    EXPECT_EQ(window->frame(), (Rect{10, 20, 400, 200}));
}

TEST_F(WindowTest, SetFrameIsNotBoundedAndRecordsAnimation) {
    auto window = shownWindow();
    window->setMinSize({400, 200});
    int frameChanges = 0;
    const auto observation = window->addObserver(u"frame", [&](const Value&) { ++frameChanges; });
    window->setFrame({100, 500, 300, 100}, true, true);
    EXPECT_EQ(window->frame(), (Rect{100, 500, 300, 100}));
    EXPECT_TRUE(window->frameChangeWasAnimated());
    window->setFrame({100, 500, 300, 100}, true, false);
    EXPECT_FALSE(window->frameChangeWasAnimated());
    EXPECT_EQ(frameChanges, 2) << "setting the same frame again is a change all the same";
}

TEST_F(WindowTest, CenterPlacesTheWindowOnTheVisibleFrameAboveTheMiddle) {
    app->setMainScreen(Screen({0, 0, 1440, 900}, {0, 0, 1440, 875}));
    auto window = shownWindow({7, 9, 400, 200});
    window->center();
    EXPECT_EQ(window->frame(), (Rect{520, 506.25, 400, 200}));

    app->setMainScreen(Screen({0, 0, 1000, 800}, {100, 50, 800, 700}));
    window->center();
    EXPECT_EQ(window->frame(), (Rect{300, 425, 400, 200}));
    EXPECT_EQ(Screen::mainScreen().visibleFrame(), (Rect{100, 50, 800, 700}));
}

TEST_F(WindowTest, DefaultScreenIsTheDesktopWithAMenuBar) {
    const Screen screen;
    EXPECT_EQ(screen.frame(), (Rect{0, 0, 1440, 900}));
    EXPECT_EQ(screen.visibleFrame(), (Rect{0, 0, 1440, 875}));
}

TEST_F(WindowTest, ContentRectLeavesOutTheTitleBar) {
    auto window = std::make_shared<Window>(Rect{0, 0, 500, 322});
    auto content = std::make_shared<View>();
    window->setContentView(content);
    EXPECT_EQ(window->contentRectForFrameRect({10, 20, 500, 322}), (Rect{10, 20, 500, 300}));
    EXPECT_EQ(content->frame(), (Rect{0, 0, 500, 300}));
    EXPECT_EQ(content->window(), window);
    window->setFrame({0, 0, 600, 422}, true);
    EXPECT_EQ(content->frame(), (Rect{0, 0, 600, 400}));
}

struct RecordingDelegate : WindowDelegate {
    void windowDidBecomeKey(Window& window) override { becameKey.push_back(&window); }
    bool windowShouldClose(Window&) override {
        ++asked;
        return mayClose;
    }
    void windowWillClose(Window& window) override { closing.push_back(&window); }

    std::vector<Window*> becameKey;
    std::vector<Window*> closing;
    int asked = 0;
    bool mayClose = false;
};

TEST_F(WindowTest, KeyWindowAndTheBecameKeyNotification) {
    auto delegate = std::make_shared<RecordingDelegate>();
    auto first = std::make_shared<Window>();
    auto second = std::make_shared<Window>();
    first->setDelegate(delegate);
    second->setDelegate(delegate);

    first->makeKeyAndOrderFront(nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isKeyWindow());
    second->makeKeyAndOrderFront(nullptr);
    EXPECT_FALSE(first->isKeyWindow());
    EXPECT_EQ(app->keyWindow(), second);
    second->makeKeyAndOrderFront(nullptr); // already key: no new notification
    EXPECT_EQ(delegate->becameKey, (std::vector<Window*>{first.get(), second.get()}));
    EXPECT_EQ(app->windows(), (std::vector<std::shared_ptr<Window>>{second, first}));

    second->orderOut(nullptr);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(app->keyWindow(), first) << "the front window left becomes key";
    EXPECT_EQ(delegate->becameKey.back(), first.get());
    first->orderOut(nullptr);
    EXPECT_EQ(app->keyWindow(), nullptr);
}

TEST_F(WindowTest, CloseButtonAsksTheDelegate) {
    auto delegate = std::make_shared<RecordingDelegate>();
    auto window = shownWindow();
    window->setDelegate(delegate);
    window->userClose();
    EXPECT_EQ(delegate->asked, 1);
    EXPECT_TRUE(window->isVisible()) << "the delegate keeps it open, to ask in a sheet";

    window->close(); // what the delegate does once it has its answer
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(delegate->closing, std::vector<Window*>{window.get()});
    EXPECT_TRUE(app->windows().empty());

    auto other = shownWindow();
    delegate->mayClose = true;
    other->setDelegate(delegate);
    other->beginSheet(std::make_shared<Window>(), {});
    EXPECT_TRUE(app->sendAction(u"performClose:", nullptr, nullptr));
    other->userClose();
    EXPECT_EQ(delegate->asked, 1) << "no closing while a sheet is attached";
    EXPECT_TRUE(other->attachedSheet());
    other->endSheet(other->attachedSheet());
    other->userClose();
    EXPECT_FALSE(other->isVisible());
}

class Editor : public View {
public:
    bool resignFirstResponder() override {
        ++resignations;
        return mayResign;
    }
    int resignations = 0;
    bool mayResign = true;
};

TEST_F(WindowTest, FirstResponderResignsFirstAndMayRefuse) {
    auto window = shownWindow();
    auto content = std::make_shared<View>();
    auto editor = std::make_shared<Editor>();
    auto scroll = std::make_shared<View>();
    window->setContentView(content);
    content->addSubview(editor);
    content->addSubview(scroll);

    EXPECT_EQ(window->firstResponder(), window);
    ASSERT_TRUE(window->makeFirstResponder(editor));
    EXPECT_EQ(window->firstResponder(), editor);

    editor->mayResign = false;
    EXPECT_FALSE(window->makeFirstResponder(scroll));
    EXPECT_EQ(window->firstResponder(), editor);

    editor->mayResign = true;
    EXPECT_TRUE(window->makeFirstResponder(scroll));
    EXPECT_EQ(window->firstResponder(), scroll);
    EXPECT_EQ(editor->resignations, 2);
    EXPECT_TRUE(window->makeFirstResponder(scroll)) << "already first: nobody resigns";
    EXPECT_EQ(editor->resignations, 2);
}

TEST_F(WindowTest, PropertiesAreObservable) {
    auto window = shownWindow();
    std::vector<String> changed;
    std::vector<Observation> observations;
    for (const auto* key : {u"title", u"minSize", u"maxSize", u"showsResizeIndicator",
                            u"excludedFromWindowsMenu", u"visible", u"keyWindow"})
        observations.push_back(
            window->addObserver(key, [&changed, key](const Value&) { changed.push_back(key); }));
    window->setTitle(u"General");
    window->setMinSize({400, 200});
    window->setMaxSize({400, 200});
    window->setShowsResizeIndicator(false);
    window->setExcludedFromWindowsMenu(true);
    window->orderOut(nullptr);
    EXPECT_EQ(changed,
              (std::vector<String>{u"title", u"minSize", u"maxSize", u"showsResizeIndicator",
                                   u"excludedFromWindowsMenu", u"visible", u"keyWindow"}));
    EXPECT_EQ(window->valueForKey(u"title"), Value(u"General"));
    EXPECT_FALSE(window->showsResizeIndicator());
    EXPECT_TRUE(window->isExcludedFromWindowsMenu());
}

TEST_F(WindowTest, TheFirstShownViewThatTakesTheFocusGetsItWhenTheWindowFirstBecomesKey) {
    const auto window = std::make_shared<Window>(Rect(0, 0, 400, 300));
    auto content = std::make_shared<View>();
    auto hiddenPane = std::make_shared<View>();
    auto hiddenField = std::make_shared<TextField>();
    hiddenPane->addSubview(hiddenField);
    hiddenPane->setHidden(true);
    auto label = TextField::labelWithString(u"Name");
    auto field = std::make_shared<TextField>();
    auto text = std::make_shared<Text>();
    for (const auto& view : std::vector<std::shared_ptr<View>>{hiddenPane, label, field, text})
        content->addSubview(view);
    window->setContentView(content);
    window->setInitialFirstResponder(hiddenField);

    window->makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(window->firstResponder(), field) << "the hidden initial one is passed over";
    ASSERT_TRUE(window->makeFirstResponder(nullptr));
    window->makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(window->firstResponder(), window) << "only the first time";
}

TEST_F(WindowTest, MinimizingAndBringingBack) {
    const auto window = std::make_shared<Window>(Rect(0, 0, 400, 300));
    window->miniaturize(nullptr);
    EXPECT_FALSE(window->isMiniaturized()) << "a window not shown stays as it is";
    window->makeKeyAndOrderFront(nullptr);
    EXPECT_TRUE(window->perform(u"performMiniaturize:", nullptr));
    EXPECT_TRUE(window->isMiniaturized());
    window->makeKeyAndOrderFront(nullptr);
    EXPECT_FALSE(window->isMiniaturized());
    window->userSetMiniaturized(true);
    window->userSetMiniaturized(false);
    EXPECT_FALSE(window->isMiniaturized());
}

} // namespace

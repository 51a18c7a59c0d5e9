#include "app/shell/LWPrefToolbarDelegate.h"
#include "app/shell/MyPrefToolbarDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/UiTest.h"

#include <cstdint>
#include <limits>

using namespace platform;

namespace {

String paneIdentifier(std::size_t index) {
    return String(1, static_cast<char16_t>(u'0' + index));
}

// Keeps only the first heights of the panes.
class FewerHeights : public MyPrefToolbarDelegate {
public:
    explicit FewerHeights(std::size_t count) : count_(count) {}
    std::vector<Number> heightArray() override {
        auto heights = MyPrefToolbarDelegate::heightArray();
        heights.resize(count_, Number::int32(0));
        return heights;
    }

private:
    std::size_t count_;
};

// The preferences window as its interface description builds it: a window whose content
// is 230 points tall without a toolbar, a tabless tab view of the panes, and the
// delegate connected to both, then set up.
class PrefToolbarTest : public uitest::UiTest {
protected:
    struct Shown {
        std::optional<String> selected;
        std::int64_t tab;
        String title;
        Rect frame;
        bool operator==(const Shown&) const = default;
    };

    static std::shared_ptr<TabView> paneTabs(std::size_t count) {
        auto tabs = std::make_shared<TabView>();
        tabs->setTabless(true);
        for (std::size_t index = 0; index < count; ++index)
            tabs->addTabViewItem(std::make_shared<TabViewItem>(paneIdentifier(index)));
        return tabs;
    }

    void setUp(const std::shared_ptr<LWPrefToolbarDelegate>& made) {
        delegate = made;
        interface.connectOutlet(delegate, u"myTabView", tabs);
        interface.connectOutlet(delegate, u"myWindow", window);
        delegate->awakeFromNib();
    }

    [[nodiscard]] Shown shown() const {
        return {delegate->toolbar()->selectedItemIdentifier(), tabs->indexOfSelectedTabViewItem(),
                window->title(), window->frame()};
    }
    [[nodiscard]] double contentHeight() const {
        return window->contentRectForFrameRect(window->frame()).height();
    }
    [[nodiscard]] std::shared_ptr<ToolbarItem> item(std::size_t index) const {
        return delegate->toolbar()->items().at(index);
    }

    std::shared_ptr<Window> window = shownWindow({100, 300, 500, 252});
    std::shared_ptr<TabView> tabs = paneTabs(4);
    std::shared_ptr<LWPrefToolbarDelegate> delegate;
    LoadedInterface interface {
        u"Preferences", nullptr,
            [](const String& message) { ADD_FAILURE() << toUtf8Lossy(message); }
    };
};

TEST_F(PrefToolbarTest, SetUpShowsTheFourPanesAndTheFirst) {
    setUp(std::make_shared<MyPrefToolbarDelegate>());
    const auto toolbar = delegate->toolbar();
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->identifier(), u"prefToolBar");
    EXPECT_EQ(window->toolbar(), toolbar);
    EXPECT_FALSE(toolbar->allowsUserCustomization());
    EXPECT_FALSE(window->showsToolbarButton());
    // How the preferences openers reach the delegate.
    EXPECT_EQ(std::dynamic_pointer_cast<LWPrefToolbarDelegate>(toolbar->delegate()), delegate);

    const std::vector<std::pair<String, String>> panes = {{u"General", u"generalPref"},
                                                          {u"Edit", u"textEditing"},
                                                          {u"Advanced", u"advanced"},
                                                          {u"Update", u"softwareUpdate"}};
    ASSERT_EQ(toolbar->items().size(), panes.size());
    for (std::size_t index = 0; index < panes.size(); ++index) {
        const auto& shownItem = *item(index);
        EXPECT_EQ(shownItem.itemIdentifier(), paneIdentifier(index));
        EXPECT_EQ(shownItem.label(), panes[index].first);
        EXPECT_EQ(shownItem.paletteLabel(), panes[index].first);
        EXPECT_EQ(shownItem.toolTip(), panes[index].first);
        EXPECT_EQ(shownItem.imageName(), panes[index].second);
        EXPECT_EQ(shownItem.tag(), static_cast<std::int64_t>(index));
        EXPECT_EQ(shownItem.action(), u"PanelAction:");
        EXPECT_EQ(shownItem.target(), delegate);
    }
    EXPECT_EQ(delegate->myHeightArray(),
              (std::vector<Number>{Number::int32(230), Number::int32(315), Number::int32(160),
                                   Number::int32(150)}));

    // The toolbar grew the window at its bottom; the first pane needs no further change.
    EXPECT_EQ(shown(), (Shown{u"0", 0, u"General", {100, 245, 500, 307}}));
    EXPECT_EQ(contentHeight(), 230);
    EXPECT_TRUE(window->frameChangeWasAnimated());
}

TEST_F(PrefToolbarTest, ClickingAPaneResizesTheWindowKeepingItsTop) {
    setUp(std::make_shared<MyPrefToolbarDelegate>());
    ASSERT_EQ(delegate->ToolbarHeightForWindow(window), 77);

    item(1)->userClick();
    EXPECT_EQ(shown(), (Shown{u"1", 1, u"Edit", {100, 160, 500, 392}}));

    const std::pair<std::size_t, double> panes[] = {{2, 160}, {3, 150}, {0, 230}, {1, 315}};
    for (const auto& [index, height] : panes) {
        item(index)->userClick();
        EXPECT_EQ(contentHeight(), height) << index;
        EXPECT_EQ(window->frame().maxY(), 552) << index;
        EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), static_cast<std::int64_t>(index));
        EXPECT_EQ(window->title(), item(index)->label());
        EXPECT_TRUE(window->frameChangeWasAnimated());
    }
    EXPECT_TRUE(delegate->respondsToAction(u"toolbaritemclicked:"));
    EXPECT_TRUE(delegate->perform(u"toolbaritemclicked:", item(2)));
    EXPECT_EQ(shown().title, u"Edit") << "the click action does nothing";
}

TEST_F(PrefToolbarTest, SetPanelTabChoosesAPaneByIndexAndIgnoresOthers) {
    setUp(std::make_shared<MyPrefToolbarDelegate>());
    delegate->SetPanelTab(3);
    const Shown update{u"3", 3, u"Update", {100, 325, 500, 227}};
    EXPECT_EQ(shown(), update);
    EXPECT_EQ(contentHeight(), 150);

    int frameChanges = 0;
    const auto observation = window->addObserver(u"frame", [&](const Value&) { ++frameChanges; });
    for (const std::int32_t index : {4, -1, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()}) {
        delegate->SetPanelTab(index);
        EXPECT_EQ(shown(), update) << index;
    }
    EXPECT_EQ(frameChanges, 0);

    // The pane already shown sets the same frame again.
    delegate->SetPanelTab(3);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(shown(), update);
}

// The growth is truncated toward zero before the origin moves, so a fractional height
// becomes whole and the top edge may move by the fraction.
TEST_F(PrefToolbarTest, FractionalFrameHeightBecomesWhole) {
    setUp(std::make_shared<MyPrefToolbarDelegate>());
    struct Case {
        Rect before;
        std::int32_t pane;
        Rect after;
    };
    const Case cases[] = {
        {{100, 200.5, 500, 307.5}, 1, {100, 116.5, 500, 392}}, // grows by 84.5, moves by 84
        {{100, 200.5, 500, 307.5}, 0, {100, 200.5, 500, 307}}, // shrinks by 0.5, moves by 0
        {{100, 200.25, 500, 400.75}, 3, {100, 373.25, 500, 227}},
    };
    for (const auto& c : cases) {
        window->setFrame(c.before, true);
        delegate->SetPanelTab(c.pane);
        EXPECT_EQ(window->frame(), c.after) << c.pane;
    }
}

TEST_F(PrefToolbarTest, BarHeightIsWholeAndZeroWithoutAWindow) {
    EXPECT_EQ(LWPrefToolbarDelegate().ToolbarHeightForWindow(nullptr), 0);
    EXPECT_EQ(LWPrefToolbarDelegate().ToolbarHeightForWindow(window), 22) << "no toolbar yet";
    window->setFrame({0, 0, 500, 20.75}, true);
    EXPECT_EQ(LWPrefToolbarDelegate().ToolbarHeightForWindow(window), 20)
        << "a window lower than its title bar has no content";
}

TEST_F(PrefToolbarTest, BaseClassBuildsAToolbarWithoutItemsAndChangesNothing) {
    setUp(std::make_shared<LWPrefToolbarDelegate>());
    ASSERT_TRUE(delegate->toolbar());
    EXPECT_TRUE(delegate->toolbar()->items().empty());
    EXPECT_EQ(window->toolbar(), delegate->toolbar());
    EXPECT_TRUE(delegate->myHeightArray().empty());
    const Shown untouched{std::nullopt, 0, u"", {100, 245, 500, 307}};
    EXPECT_EQ(shown(), untouched);
    delegate->SetPanelTab(0);
    delegate->PanelAction(nullptr);
    EXPECT_EQ(shown(), untouched);
}

TEST_F(PrefToolbarTest, PanesWithoutAHeightOrATabChangeNothing) {
    tabs = paneTabs(3);
    setUp(std::make_shared<FewerHeights>(2));
    const Shown general{u"0", 0, u"General", {100, 245, 500, 307}};
    EXPECT_EQ(shown(), general);

    delegate->SetPanelTab(2); // a tab but no height
    delegate->SetPanelTab(3); // neither
    EXPECT_EQ(shown(), general);

    // A click selects its item (the toolbar does that) but shows no other pane.
    item(3)->userClick();
    EXPECT_EQ(shown(), (Shown{u"3", 0, u"General", {100, 245, 500, 307}}));
    item(1)->userClick();
    EXPECT_EQ(shown(), (Shown{u"1", 1, u"Edit", {100, 160, 500, 392}}));

    // A sender that is no toolbar item, and a tag beyond the tabs.
    delegate->PanelAction(std::make_shared<Button>());
    const auto stray = std::make_shared<ToolbarItem>(u"9");
    stray->setTag(7);
    delegate->PanelAction(stray);
    EXPECT_EQ(shown(), (Shown{u"1", 1, u"Edit", {100, 160, 500, 392}}));
}

TEST_F(PrefToolbarTest, NoHeightsShowNoFirstPane) {
    setUp(std::make_shared<FewerHeights>(0));
    EXPECT_EQ(delegate->toolbar()->items().size(), 4u);
    EXPECT_EQ(shown(), (Shown{std::nullopt, 0, u"", {100, 245, 500, 307}}));
}

TEST_F(PrefToolbarTest, WithoutItsOutletsItSetsUpAndForgetsAClosedWindow) {
    delegate = std::make_shared<MyPrefToolbarDelegate>();
    delegate->awakeFromNib();
    EXPECT_TRUE(delegate->toolbar()->items().empty()) << "no window took the toolbar";
    delegate->SetPanelTab(0);

    setUp(std::make_shared<MyPrefToolbarDelegate>());
    const std::weak_ptr<Window> held = window;
    window->close();
    window.reset();
    EXPECT_TRUE(held.expired()) << "the delegate holds its window weakly";
    delegate->SetPanelTab(1);
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 1);
    EXPECT_EQ(delegate->toolbar()->selectedItemIdentifier(), u"1");
}

} // namespace

#include "platform/ui/Toolbar.h"

#include "UiTest.h"
#include "platform/ui/ToolbarDelegate.h"
#include "platform/ui/ToolbarItem.h"

using namespace platform;

namespace {

// Panes "0" to "3", as a preferences window has them; "9" is unknown.
class PaneToolbar : public uitest::RecordingResponder, public ToolbarDelegate {
public:
    PaneToolbar() { answer(u"PanelAction:"); }

    std::shared_ptr<ToolbarItem> toolbar(Toolbar&, const String& identifier, bool) override {
        static const String labels[] = {u"General", u"Edit", u"Advanced", u"Update"};
        if (identifier.size() != 1 || identifier[0] < u'0' || identifier[0] > u'3')
            return nullptr;
        const auto index = identifier[0] - u'0';
        auto item = std::make_shared<ToolbarItem>(identifier);
        item->setLabel(labels[index]);
        item->setTag(index);
        item->setAction(u"PanelAction:");
        item->setTarget(std::static_pointer_cast<Responder>(shared_from_this()));
        return item;
    }
    std::vector<String> toolbarDefaultItemIdentifiers(Toolbar&) override {
        return {u"0", u"1", u"9", u"2", u"3"};
    }
    std::vector<String> toolbarAllowedItemIdentifiers(Toolbar& toolbar) override {
        return toolbarDefaultItemIdentifiers(toolbar);
    }
    std::vector<String> toolbarSelectableItemIdentifiers(Toolbar& toolbar) override {
        return toolbarDefaultItemIdentifiers(toolbar);
    }
};

class ToolbarTest : public uitest::UiTest {
protected:
    ToolbarTest() { toolbar->setDelegate(panes); }

    std::vector<String> labels() const {
        std::vector<String> result;
        for (const auto& item : toolbar->items())
            result.push_back(item->label());
        return result;
    }

    std::shared_ptr<PaneToolbar> panes = std::make_shared<PaneToolbar>();
    std::shared_ptr<Toolbar> toolbar = std::make_shared<Toolbar>(u"prefToolBar");
    std::shared_ptr<Window> window = shownWindow({100, 300, 500, 252});
};

TEST_F(ToolbarTest, WindowTakingTheToolbarLoadsItsItemsAndGrowsAtTheBottom) {
    EXPECT_TRUE(toolbar->items().empty()) << "items are loaded when a window takes the toolbar";
    window->setToolbar(toolbar);
    window->setShowsToolbarButton(false);
    EXPECT_EQ(labels(), (std::vector<String>{u"General", u"Edit", u"Advanced", u"Update"}));
    EXPECT_EQ(toolbar->window(), window);
    EXPECT_FALSE(window->showsToolbarButton());
    EXPECT_EQ(window->frame(), (Rect{100, 245, 500, 307}));
    EXPECT_EQ(window->frame().height() - window->contentRectForFrameRect(window->frame()).height(),
              77);
}

TEST_F(ToolbarTest, VisibilityIsObservableAndResizesTheWindowKeepingItsTop) {
    window->setToolbar(toolbar);
    std::vector<Value> seen;
    const auto observation =
        toolbar->addObserver(u"visible", [&](const Value& value) { seen.push_back(value); });
    const Rect shown = window->frame();

    toolbar->setVisible(false);
    EXPECT_FALSE(toolbar->isVisible());
    EXPECT_EQ(window->frame(), (Rect{100, 300, 500, 252}));
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()).height(), 230);
    toolbar->setVisible(false);
    toolbar->setValueForKey(Value(Number::boolean(true)), u"visible");
    EXPECT_EQ(window->frame(), shown);
    EXPECT_EQ(seen,
              (std::vector<Value>{Value(Number::boolean(false)), Value(Number::boolean(true))}));
}

TEST_F(ToolbarTest, ClickSelectsTheItemThenSendsItsAction) {
    window->setToolbar(toolbar);
    const auto& edit = toolbar->items()[1];
    const auto observation = toolbar->addObserver(u"selectedItemIdentifier", [&](const Value&) {
        EXPECT_TRUE(panes->calls.empty()) << "the selection comes before the action";
    });
    edit->userClick();
    EXPECT_EQ(toolbar->selectedItemIdentifier(), u"1");
    ASSERT_EQ(panes->calls.size(), 1u);
    EXPECT_EQ(panes->calls[0].sender, edit.get());

    edit->setEnabled(false);
    edit->setAction(u"");
    edit->userClick();
    EXPECT_EQ(panes->calls.size(), 1u) << "a disabled item does nothing";
}

TEST_F(ToolbarTest, FlagsKeepTheirValues) {
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_FALSE(toolbar->selectedItemIdentifier());
    toolbar->setAllowsUserCustomization(false);
    toolbar->setAutosavesConfiguration(false);
    toolbar->setSelectedItemIdentifier(u"0");
    EXPECT_FALSE(toolbar->allowsUserCustomization());
    EXPECT_FALSE(toolbar->autosavesConfiguration());
    EXPECT_EQ(toolbar->identifier(), u"prefToolBar");
    EXPECT_EQ(toolbar->valueForKey(u"selectedItemIdentifier"), Value(u"0"));
}

} // namespace

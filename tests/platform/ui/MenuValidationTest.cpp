#include "UiTest.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarDelegate.h"
#include "platform/ui/ToolbarItem.h"

using namespace platform;
using uitest::RecordingResponder;

namespace {

// Validates as a document does: its own commands through validateMenuItem (changing the
// title and state by an editable flag), the rest through validateUserInterfaceItem.
class ValidatingDocument : public RecordingResponder {
public:
    ValidatingDocument() {
        for (const auto* action : {u"switchReadAndWrite:", u"setReadOnly:", u"saveDocument:",
                                   u"exportToRTF:", u"closeAll:"})
            answer(action);
    }

    std::optional<bool> validateMenuItem(MenuItem& item) override {
        ++menuValidations;
        if (item.action() == u"switchReadAndWrite:") {
            item.setTitle(editable ? u"Prevent Editing" : u"Allow Editing");
            return !locked;
        }
        if (item.action() == u"setReadOnly:") {
            item.setState(editable ? ControlStateOff : ControlStateOn);
            return true;
        }
        if (item.action() == u"exportToRTF:")
            return !locked;
        return std::nullopt; // not answered here: validateUserInterfaceItem decides
    }

    std::optional<bool> validateUserInterfaceItem(const UserInterfaceItem& item) override {
        ++interfaceValidations;
        if (item.action() == u"saveDocument:")
            return !locked;
        return std::nullopt;
    }

    bool locked = false;
    bool editable = true;
    int menuValidations = 0;
    int interfaceValidations = 0;
};

class MenuValidationTest : public uitest::UiTest {
protected:
    MenuValidationTest() {
        window->setNextResponder(document);
        for (const auto* action : {u"switchReadAndWrite:", u"setReadOnly:", u"saveDocument:",
                                   u"exportToRTF:", u"closeAll:", u"nobodyAnswers:"})
            menu->addItem(std::make_shared<MenuItem>(action, action, u""));
    }

    std::shared_ptr<MenuItem> item(const String& action) {
        for (const auto& candidate : menu->items())
            if (candidate->action() == action)
                return candidate;
        return nullptr;
    }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<ValidatingDocument> document = std::make_shared<ValidatingDocument>();
    std::shared_ptr<Menu> menu = std::make_shared<Menu>(u"Document");
};

TEST_F(MenuValidationTest, UpdateEnablesTitlesAndChecksByTheTargetsAnswers) {
    struct Case {
        bool locked, editable;
        bool switchEnabled;
        const char16_t* switchTitle;
        ControlState readOnlyState;
        bool saveEnabled, exportEnabled;
    };
    const Case cases[] = {
        {false, true, true, u"Prevent Editing", ControlStateOff, true, true},
        {false, false, true, u"Allow Editing", ControlStateOn, true, true},
        {true, false, false, u"Allow Editing", ControlStateOn, false, false},
        {true, true, false, u"Prevent Editing", ControlStateOff, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "locked " << c.locked << " editable " << c.editable);
        document->locked = c.locked;
        document->editable = c.editable;
        menu->update();
        EXPECT_EQ(item(u"switchReadAndWrite:")->isEnabled(), c.switchEnabled);
        EXPECT_EQ(menu->itemAtIndex(0)->title(), c.switchTitle);
        EXPECT_EQ(item(u"setReadOnly:")->state(), c.readOnlyState);
        EXPECT_TRUE(item(u"setReadOnly:")->isEnabled());
        EXPECT_EQ(item(u"saveDocument:")->isEnabled(), c.saveEnabled);
        EXPECT_EQ(item(u"exportToRTF:")->isEnabled(), c.exportEnabled);
        EXPECT_TRUE(item(u"closeAll:")->isEnabled()) << "neither question answered: enabled";
        EXPECT_FALSE(item(u"nobodyAnswers:")->isEnabled());
    }
}

TEST_F(MenuValidationTest, UserInterfaceValidationIsAskedOnlyWhenMenuValidationIsNotAnswered) {
    menu->update();
    // switchReadAndWrite:, setReadOnly: and exportToRTF: are answered by validateMenuItem.
    EXPECT_EQ(document->menuValidations, 5);
    EXPECT_EQ(document->interfaceValidations, 2);
}

TEST_F(MenuValidationTest, ItemWithAnExplicitTargetIsValidatedByThatTarget) {
    auto other = std::make_shared<ValidatingDocument>();
    other->locked = true;
    item(u"saveDocument:")->setTarget(other);
    menu->update();
    EXPECT_FALSE(item(u"saveDocument:")->isEnabled());

    item(u"closeAll:")->setTarget(std::make_shared<RecordingResponder>()); // gone at once
    menu->update();
    EXPECT_FALSE(item(u"closeAll:")->isEnabled());
}

TEST_F(MenuValidationTest, ItemsWithoutAnActionKeepTheirFlag) {
    auto family = std::make_shared<MenuItem>(u"Helvetica", u"", u"");
    auto off = std::make_shared<MenuItem>(u"Courier", u"", u"");
    off->setEnabled(false);
    menu->addItem(family);
    menu->addItem(off);
    menu->update();
    EXPECT_TRUE(family->isEnabled());
    EXPECT_FALSE(off->isEnabled());
}

TEST_F(MenuValidationTest, ChoosingAnItemValidatesItFirst) {
    const auto save = item(u"saveDocument:");
    save->userChoose();
    ASSERT_EQ(document->calls.size(), 1u);
    EXPECT_EQ(document->calls[0].action, u"saveDocument:");
    EXPECT_EQ(document->calls[0].sender, save.get());

    document->locked = true; // the item still shows enabled from before
    save->userChoose();
    EXPECT_EQ(document->calls.size(), 1u) << "a disabled item sends nothing";
    EXPECT_FALSE(save->isEnabled());

    item(u"nobodyAnswers:")->userChoose();
    EXPECT_EQ(document->calls.size(), 1u);
}

TEST_F(MenuValidationTest, InsertingAndFindingItems) {
    auto appMenu = std::make_shared<Menu>(u"Sealscribe");
    appMenu->addItem(std::make_shared<MenuItem>(u"About", u"orderFrontStandardAboutPanel:", u""));
    appMenu->addItem(std::make_shared<MenuItem>(u"Preferences…", u"openPreferences:", u","));
    auto update =
        std::make_shared<MenuItem>(u"Software Update\u2026", u"checkForLastReleaseAvailable:", u"");
    appMenu->insertItem(update, 1);
    EXPECT_EQ(appMenu->itemAtIndex(1), update);
    EXPECT_EQ(update->menu(), appMenu);
    EXPECT_EQ(appMenu->indexOfItemWithTitle(u"Preferences…"), 2);
    EXPECT_EQ(appMenu->indexOfItemWithTitle(u"Software Update..."), -1);
    EXPECT_EQ(appMenu->itemAtIndex(3), nullptr);
    EXPECT_EQ(appMenu->itemAtIndex(-1), nullptr);

    appMenu->insertItem(std::make_shared<MenuItem>(u"Far", u"", u""), 5);
    EXPECT_EQ(appMenu->numberOfItems(), 3) << "an index beyond the end inserts nothing";
}

class OneItemToolbar : public ToolbarDelegate {
public:
    std::shared_ptr<ToolbarItem> toolbar(Toolbar&, const String& identifier, bool) override {
        auto item = std::make_shared<ToolbarItem>(identifier);
        item->setAction(identifier);
        return item;
    }
    std::vector<String> toolbarDefaultItemIdentifiers(Toolbar&) override {
        return {u"switchReadAndWrite:", u"saveDocument:"};
    }
    std::vector<String> toolbarAllowedItemIdentifiers(Toolbar& t) override {
        return toolbarDefaultItemIdentifiers(t);
    }
};

TEST_F(MenuValidationTest, ToolbarItemsSeeOnlyUserInterfaceValidation) {
    auto source = std::make_shared<OneItemToolbar>();
    auto toolbar = std::make_shared<Toolbar>(u"documentToolbar");
    toolbar->setDelegate(source);
    window->setToolbar(toolbar);
    document->locked = true;
    toolbar->validateVisibleItems();
    EXPECT_EQ(document->menuValidations, 0);
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isEnabled())
        << "validateMenuItem would have disabled it; validateUserInterfaceItem does not answer";
    EXPECT_FALSE(toolbar->items()[1]->isEnabled());
}

} // namespace

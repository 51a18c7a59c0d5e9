#include "ProgramModelTest.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/TabView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"

#include <algorithm>
#include <fstream>

namespace interfacetest {
namespace {

class ApplicationMenuTest : public ProgramModelTest {
protected:
    [[nodiscard]] std::shared_ptr<platform::Menu> applicationMenu() const {
        return application()->mainMenu()->itemAtIndex(0)->submenu();
    }
    [[nodiscard]] std::shared_ptr<platform::Menu> menuTitled(const String& title) const {
        const auto bar = application()->mainMenu();
        for (std::int64_t i = 0; i < bar->numberOfItems(); ++i)
            if (bar->itemAtIndex(i)->title() == title)
                return bar->itemAtIndex(i)->submenu();
        return nullptr;
    }
    static std::vector<String> titlesOf(const platform::Menu& menu) {
        std::vector<String> titles;
        for (std::int64_t i = 0; i < menu.numberOfItems(); ++i)
            titles.push_back(menu.itemAtIndex(i)->title());
        return titles;
    }
    [[nodiscard]] std::shared_ptr<platform::Window> preferences() const {
        return delegate()->prefWindow();
    }
    void chooseFromApplicationMenu(const String& action) {
        application()->sendAction(action, nullptr, nullptr);
        loop().runUntilIdle();
    }
    // The commands the desktop was asked to run, each as its first alternative's words.
    [[nodiscard]] std::vector<std::vector<std::string>> requests() const {
        std::vector<std::vector<std::string>> commands;
        for (const auto& alternatives : run_->launcher->requests())
            commands.push_back(alternatives.front());
        return commands;
    }
};

TEST_F(ApplicationMenuTest, LaunchingInsertsSoftwareUpdateAsTheSecondItem) {
    launch();
    const auto menu = applicationMenu();
    EXPECT_EQ(titlesOf(*menu),
              (std::vector<String>{u"About Sealscribe", u"Software Update\u2026",
                                   u"Preferences\u2026", u"", u"Quit Sealscribe"}));
    const auto update = menu->itemAtIndex(1);
    EXPECT_EQ(update->action(), u"checkForLastReleaseAvailable:");
    EXPECT_EQ(update->keyEquivalent(), u"");
    EXPECT_EQ(update->target(), delegate());
    application()->validateMenu(*menu);
    EXPECT_TRUE(update->isEnabled());
    EXPECT_TRUE(menu->itemAtIndex(2)->isEnabled());
    EXPECT_TRUE(preferences()->isExcludedFromWindowsMenu());
}

TEST_F(ApplicationMenuTest, BothFontPopUpsListTheInstalledFamiliesSortedByCodeUnit) {
    launch();
    auto families = platform::SharedFontManager::sharedFontManager()->availableFontFamilies();
    std::sort(families.begin(), families.end());
    ASSERT_FALSE(families.empty());
    EXPECT_EQ(titlesOf(*delegate()->myFontPopup()->menu()), families);
    EXPECT_EQ(titlesOf(*delegate()->myFontPopupForPublicNote()->menu()), families);
}

// "Helvetica" is only fontconfig's alias of Nimbus Sans: no item has its name.
TEST_F(ApplicationMenuTest, TheSavedFamiliesAreSelectedWithoutWritingASetting) {
    launch();
    EXPECT_EQ(delegate()->myFontPopup()->indexOfSelectedItem(), -1);
    EXPECT_TRUE(store()->objectForKey(u"StartupFontFamily") == Value(u"Helvetica"));
    store()->setObject(Value(u"DejaVu Serif"), u"StartupFontFamily");
    store()->setObject(Value(u"Nimbus Sans"), u"PublicNoteFontFamily");
    quit();

    launch();
    EXPECT_EQ(delegate()->myFontPopup()->titleOfSelectedItem(), u"DejaVu Serif");
    EXPECT_EQ(delegate()->myFontPopupForPublicNote()->titleOfSelectedItem(), u"Nimbus Sans");
    EXPECT_EQ(store()->objectForKey(u"StartupFontFamily"), Value(u"DejaVu Serif"));

    // The user's choice is written.
    const auto popUp = delegate()->myFontPopup();
    const auto menu = popUp->menu();
    popUp->userSelectItemAtIndex(menu->indexOfItemWithTitle(u"Nimbus Sans"));
    EXPECT_EQ(store()->objectForKey(u"StartupFontFamily"), Value(u"Nimbus Sans"));
}

TEST_F(ApplicationMenuTest, PreferencesOpensCentredAndKeepsAPlaceTheUserGave) {
    launch();
    const auto window = preferences();
    window->setFrameOrigin({3, 4});
    chooseFromApplicationMenu(u"openPreferences:");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isKeyWindow());
    const auto centred = window->frame();
    EXPECT_NE(centred.origin, (platform::Point{3, 4}));

    window->userMove({40, 50});
    chooseFromApplicationMenu(u"openPreferences:");
    EXPECT_EQ(window->frame().origin, (platform::Point{40, 50}));
}

TEST_F(ApplicationMenuTest, OpeningAtAPaneShowsItAndAnIndexOutsideThePanesChangesNothing) {
    launch();
    const auto window = preferences();
    const auto tabs = std::dynamic_pointer_cast<platform::TabView>(window->contentView());
    ASSERT_TRUE(tabs);
    EXPECT_EQ(window->title(), u"General");
    delegate()->openPreferencesAtTab(3);
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 3);
    EXPECT_EQ(window->title(), u"Update");
    EXPECT_EQ(window->toolbar()->selectedItemIdentifier(), u"3");
    for (const std::int32_t outside : {4, -1}) {
        delegate()->openPreferencesAtTab(outside);
        EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 3);
        EXPECT_EQ(window->title(), u"Update");
    }
    auto sender = std::make_shared<platform::MenuItem>(u"Edit", u"", u"");
    sender->setTag(1);
    delegate()->openPreferencesAtSenderTagTab(sender);
    EXPECT_EQ(window->title(), u"Edit");
    // The plain opener keeps the pane chosen last.
    window->close();
    chooseFromApplicationMenu(u"openPreferences:");
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 1);
}

// Each alias asks the desktop for what its action does.
TEST_F(ApplicationMenuTest, TheLinkAliasesAskForTheSamePages) {
    launch();
    const std::pair<const char16_t*, const char16_t*> aliases[] = {
        {u"visitUs:", u"webSite:"},
        {u"emailUs:", u"emailSupport:"},
        {u"twitter:", u"visitTwitter:"},
    };
    for (const auto& [action, alias] : aliases) {
        chooseFromApplicationMenu(action);
        chooseFromApplicationMenu(alias);
        const auto asked = requests();
        ASSERT_GE(asked.size(), 2u);
        EXPECT_EQ(asked[asked.size() - 1], asked[asked.size() - 2]) << platform::toUtf8Lossy(alias);
    }
    chooseFromApplicationMenu(u"visitAppUrl:");
    EXPECT_EQ(requests().size(), 7u);
    for (const char16_t* nothing :
         {u"openAppStorePage:", u"openAppStoreList:", u"appendMasHelp:", u"test1:"})
        chooseFromApplicationMenu(nothing);
    EXPECT_EQ(requests().size(), 7u);
}

TEST_F(ApplicationMenuTest, TheUserGuideOpensFromTheBundleAndAMissingOneOpensNothing) {
    launch();
    EXPECT_EQ(MyAppDelegate::getUserGuideName(), u"Sealscribe User Guide");
    EXPECT_EQ(MyAppDelegate::getAppStantment(), u"The encryption visual editor for Mac");
    platform::Bundle::setMainBundle(std::make_shared<platform::Bundle>(settings.path()));
    chooseFromApplicationMenu(u"openUserGuide:");
    EXPECT_TRUE(requests().empty());

    std::ofstream(settings / "Sealscribe User Guide.pdf") << "%PDF-1.4";
    chooseFromApplicationMenu(u"openUserGuide:");
    ASSERT_EQ(requests().size(), 1u);
    EXPECT_EQ(requests()[0].back(), (settings / "Sealscribe User Guide.pdf").string());
}

TEST_F(ApplicationMenuTest, AboutShowsTheNameReleaseAndMaker) {
    launch();
    run_->modal->answerNextWith(u"OK");
    chooseFromApplicationMenu(u"orderFrontStandardAboutPanel:");
    ASSERT_EQ(run_->modal->alertsShown().size(), 1u);
    const auto& alert = *run_->modal->alertsShown().front();
    EXPECT_EQ(alert.messageText(), u"Sealscribe");
    EXPECT_EQ(alert.informativeText(), u"Version 2.6.1\nMarrowfield Labs - Drovak");
}

} // namespace
} // namespace interfacetest

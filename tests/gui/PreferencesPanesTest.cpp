#include "GuiTest.h"
#include "app/shell/MyPrefToolbarDelegate.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"
#include "platform/ui/Toolbar.h"

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <filesystem>

using namespace platform;

namespace {

using PreferencesPanesTest = guitest::GuiTest;

// The panes switch by the toolbar alone: the chosen item shows checked, with the bundle's
// SVG image, and the tab widget shows no tab bar.
TEST_F(PreferencesPanesTest, ToolbarChoosesTablessPanesAndShowsTheChoice) {
    Bundle::setMainBundle(std::make_shared<Bundle>(std::filesystem::path(SEALSCRIBE_TEST_DATA) /
                                                   ".." / ".." / "data" / "resources"));
    const auto tabs = std::make_shared<TabView>();
    tabs->setTabless(true);
    for (const char16_t* identifier : {u"0", u"1", u"2", u"3"}) {
        auto item = std::make_shared<TabViewItem>(identifier);
        item->setView(std::make_shared<View>());
        tabs->addTabViewItem(item);
    }
    const auto window = shownWindow(tabs, {100, 300, 500, 252});
    const auto delegate = std::make_shared<MyPrefToolbarDelegate>();
    delegate->setMyTabView(tabs);
    delegate->setMyWindow(window);
    delegate->awakeFromNib();

    gui::WindowWidget* widget = widgetOf(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    auto* tabWidget = widget->findChild<QTabWidget*>();
    auto* bar = widget->findChild<QToolBar*>();
    ASSERT_TRUE(tabWidget && bar);
    EXPECT_FALSE(tabWidget->tabBar()->isVisible());
    const auto actions = bar->actions();
    ASSERT_EQ(actions.size(), 4);
    for (const QAction* action : actions)
        EXPECT_FALSE(action->icon().pixmap(32, 32).isNull()) << action->text().toStdString();
    EXPECT_TRUE(actions[0]->isChecked());

    const int generalHeight = widget->height();
    actions[1]->trigger();
    EXPECT_EQ(window->title(), u"Edit");
    EXPECT_TRUE(actions[1]->isChecked());
    EXPECT_FALSE(actions[0]->isChecked());
    EXPECT_EQ(tabWidget->currentIndex(), 1);
    EXPECT_EQ(widget->height() - generalHeight, 85);

    tabs->setTabless(false);
    EXPECT_TRUE(tabWidget->tabBar()->isVisible());
}

} // namespace

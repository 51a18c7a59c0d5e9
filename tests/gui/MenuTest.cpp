#include "platform/ui/Menu.h"

#include "GuiTest.h"
#include "platform/ui/MenuItem.h"

#include <QMenu>
#include <QMenuBar>

using namespace platform;

namespace {

// Marks and renames the item it validates.
class MarkingResponder : public guitest::RecordingResponder {
public:
    std::optional<bool> validateMenuItem(MenuItem& item) override {
        item.setState(ControlStateOn);
        item.setTitle(u"Lock \"" + title + u"\"");
        return true;
    }
    String title = u"Diary";
};

QAction* actionTitled(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

using MenuTest = guitest::GuiTest;

TEST_F(MenuTest, ValidatedEachTimeItShows) {
    const auto responder = std::make_shared<MarkingResponder>();
    responder->answer(u"lockDocument:");
    auto file = std::make_shared<Menu>(u"File");
    auto nobody = std::make_shared<MenuItem>(u"Revert to Saved", u"revertDocumentToSaved:", u"");
    auto lock = std::make_shared<MenuItem>(u"Lock", u"lockDocument:", u"l");
    lock->setTarget(responder);
    file->addItem(nobody);
    file->addItem(MenuItem::separatorItem());
    file->addItem(lock);
    auto fileItem = std::make_shared<MenuItem>(u"File", u"", u"");
    fileItem->setSubmenu(file);
    auto mainMenu = std::make_shared<Menu>();
    mainMenu->addItem(fileItem);
    app->setMainMenu(mainMenu);

    const auto window = std::make_shared<Window>(Rect(100, 100, 400, 300));
    window->makeKeyAndOrderFront(nullptr);
    QMenuBar* bar = renderer->widgetFor(*window)->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu* menu = bar->actions()[0]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&File");
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_TRUE(menu->actions()[0]->isEnabled());

    menu->popup(QPoint(0, 0));
    QAction* revert = actionTitled(*menu, "Revert to Saved");
    QAction* marked = actionTitled(*menu, "Lock \"Diary\"");
    ASSERT_TRUE(revert && marked);
    EXPECT_FALSE(revert->isEnabled());
    EXPECT_TRUE(marked->isEnabled());
    EXPECT_TRUE(marked->isChecked());
    EXPECT_EQ(marked->shortcut(), QKeySequence("Ctrl+L"));
    menu->hide();

    responder->title = u"Journal";
    menu->popup(QPoint(0, 0));
    EXPECT_EQ(marked->text(), "Lock \"Journal\"");
    marked->trigger();
    menu->hide();
    ASSERT_EQ(responder->calls.size(), 1u);
    EXPECT_EQ(responder->calls[0].first, u"lockDocument:");
    EXPECT_EQ(responder->calls[0].second, lock.get());
    EXPECT_TRUE(marked->isChecked());
}

} // namespace

#include "ProgramFixture.h"
#include "app/shell/MyAppDelegate.h"
#include "gui/QtModalRunner.h"
#include "platform/base/UserDefaults.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"
#include "support/TransformedValueText.h"
#include "support/Views.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

using platform::String;

class PreferencesTest : public guitest::ProgramFixture {
protected:
    static std::shared_ptr<MyAppDelegate> delegateOf(const ApplicationMain& main) {
        return std::dynamic_pointer_cast<MyAppDelegate>(main.application()->delegate());
    }

    template <typename V>
    static std::shared_ptr<V> viewOfPane(platform::Window& window, int pane,
                                         std::size_t index = 0) {
        const auto tabs = std::dynamic_pointer_cast<platform::TabView>(window.contentView());
        std::vector<std::shared_ptr<V>> found;
        testsupport::collectViews(tabs->tabViewItemAtIndex(pane)->view(), found);
        return index < found.size() ? found[index] : nullptr;
    }

    static QComboBox* popUpOf(QWidget* root, platform::Window& window, int pane) {
        return controlOf<QComboBox>(root, viewOfPane<platform::PopUpButton>(window, pane));
    }

    // The pane's first number field, or the one after it.
    static QLineEdit* numberFieldOf(QWidget* root, platform::Window& window, int pane,
                                    std::size_t index = 0) {
        const auto tabs = std::dynamic_pointer_cast<platform::TabView>(window.contentView());
        std::vector<std::shared_ptr<platform::TextField>> fields;
        testsupport::collectViews(tabs->tabViewItemAtIndex(pane)->view(), fields);
        std::erase_if(fields, [](const auto& field) { return !field->formatter(); });
        return index < fields.size() ? controlOf<QLineEdit>(root, fields[index]) : nullptr;
    }

    // Picks the item in the pop-up's list with the mouse, as a user does.
    static void pick(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->showPopup();
        auto* list = qobject_cast<QListView*>(combo->view());
        ASSERT_TRUE(list && waitUntil([&] { return list->isVisible(); }));
        const QModelIndex item = list->model()->index(index, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        ASSERT_TRUE(waitUntil([&] { return !list->isVisible(); }));
    }

    // The program launched again over the same settings, as the next run of it.
    struct NextRun {
        explicit NextRun(PreferencesTest& test)
            : environment(std::filesystem::path(test.settings.path().toStdString()) /
                          "Sealscribe") {
            program.prepare(1, test.arguments);
            renderer = std::make_unique<gui::ApplicationRenderer>(program.application());
            // With the update reports off and no check ever made, the launch invites to check.
            renderer->modalRunner().setShownHandler([this](QDialog& dialog) {
                if (auto* alert = dynamic_cast<gui::AlertDialog*>(&dialog))
                    alertsAtLaunch.push_back(alert->alert()->messageText());
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
            program.application()->finishLaunching();
            renderer->modalRunner().setShownHandler({});
        }

        platform::Environment environment;
        ApplicationMain program{nullptr};
        std::unique_ptr<gui::ApplicationRenderer> renderer;
        std::vector<String> alertsAtLaunch;
    };

    static void retype(QLineEdit* field, const QString& text) {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    static QCheckBox* checkBox(QWidget* root, const QString& title) {
        for (auto* box : root->findChildren<QCheckBox*>())
            if (box->text() == title)
                return box;
        ADD_FAILURE() << "no check box " << title.toStdString();
        return nullptr;
    }
};

// From the menu through every pane, a few settings changed; after Quit and a new launch
// over the same settings each control shows its value and a new document takes the font.
TEST_F(PreferencesTest, SettingsChosenInThePanesHoldAfterQuittingAndLaunchingAgain) {
    program.application()->finishLaunching();
    auto* documentWidget = widgetOf(onlyDocument());
    ASSERT_NE(documentWidget, nullptr);
    choose(documentWidget, "Preferences\u2026");
    const auto window = delegateOf(program)->prefWindow();
    ASSERT_TRUE(window && window->isVisible());
    auto* preferences = renderer->widgetFor(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preferences));
    auto* bar = preferences->findChild<QToolBar*>();
    auto* tabs = preferences->findChild<QTabWidget*>();
    ASSERT_TRUE(bar && tabs);

    const double top = window->frame().maxY();
    const struct {
        const char* title;
        double height;
    } panes[] = {{"General", 230}, {"Edit", 315}, {"Advanced", 160}, {"Update", 150}};
    const auto actions = bar->actions();
    ASSERT_EQ(actions.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(panes[i].title);
        QTest::mouseClick(bar->widgetForAction(actions[i]), Qt::LeftButton);
        EXPECT_EQ(window->title(), String(panes[i].title, panes[i].title + strlen(panes[i].title)));
        EXPECT_EQ(tabs->currentIndex(), i);
        EXPECT_TRUE(actions[i]->isChecked());
        EXPECT_EQ(window->contentRectForFrameRect(window->frame()).size.height, panes[i].height);
        EXPECT_EQ(window->frame().maxY(), top);
    }

    QTest::mouseClick(bar->widgetForAction(actions[0]), Qt::LeftButton);
    auto* action = popUpOf(preferences, *window, 0);
    ASSERT_NE(action, nullptr);
    pick(action, "Show the Open Panel at Once");

    QTest::mouseClick(bar->widgetForAction(actions[1]), Qt::LeftButton);
    auto* bodyFont = popUpOf(preferences, *window, 1);
    ASSERT_NE(bodyFont, nullptr);
    pick(bodyFont, "DejaVu Serif");
    retype(numberFieldOf(preferences, *window, 1), "14");

    QTest::mouseClick(bar->widgetForAction(actions[2]), Qt::LeftButton);
    QTest::mouseClick(checkBox(preferences, "Lock documents while Sealscribe is inactive"),
                      Qt::LeftButton);
    auto* interval = numberFieldOf(preferences, *window, 2);
    ASSERT_TRUE(waitUntil([&] { return interval && interval->isEnabled(); }));
    retype(interval, "4x5");

    QTest::mouseClick(bar->widgetForAction(actions[3]), Qt::LeftButton);
    QTest::mouseClick(checkBox(preferences, "Report available updates at start-up"),
                      Qt::LeftButton);

    const auto store = platform::UserDefaults::standardUserDefaults();
    const std::pair<const char16_t*, const char*> written[] = {
        {u"StartupActionTag", "int 2"},           {u"StartupFontFamily", "string \"DejaVu Serif\""},
        {u"StartupFontSize", "float 14"},         {u"autolocBackgroundEnabled", "bool YES"},
        {u"autolocBackgroundInterval", "int 45"}, {u"notifyUpdate", "bool NO"},
    };
    for (const auto& [key, text] : written)
        EXPECT_EQ(transformedValueText(store->objectForKey(key)), text);

    choose(preferences, "Quit Sealscribe");
    ASSERT_TRUE(waitUntil([&] { return !program.application()->isRunning(); }));
    NextRun next(*this);
    auto& relaunched = next.program;
    auto& shown = *next.renderer;
    EXPECT_EQ(next.alertsAtLaunch,
              std::vector<String>{u"Would you like that Sealscribe informs you now for any "
                                  u"available update?"});
    EXPECT_TRUE(relaunched.controller()->documents().empty());
    // A second on, action 2 shows the open panel.
    bool panelShown = false;
    shown.modalRunner().setShownHandler([&](QDialog& dialog) {
        panelShown = dynamic_cast<gui::PanelDialog*>(&dialog) != nullptr;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    loop.advance(1.0);
    EXPECT_TRUE(panelShown);
    shown.modalRunner().setShownHandler({});
    const auto delegate = delegateOf(relaunched);
    delegate->openPreferences(nullptr);
    const auto reopened = delegate->prefWindow();
    auto* restored = shown.widgetFor(*reopened);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(restored));
    EXPECT_EQ(popUpOf(restored, *reopened, 0)->currentText(), "Show the Open Panel at Once");
    EXPECT_EQ(popUpOf(restored, *reopened, 1)->currentText(), "DejaVu Serif");
    EXPECT_EQ(numberFieldOf(restored, *reopened, 1)->text(), "14");
    EXPECT_TRUE(checkBox(restored, "Lock documents while Sealscribe is inactive")->isChecked());
    auto* restoredInterval = numberFieldOf(restored, *reopened, 2);
    EXPECT_EQ(restoredInterval->text(), "45");
    EXPECT_TRUE(restoredInterval->isEnabled());
    EXPECT_FALSE(checkBox(restored, "Report available updates at start-up")->isChecked());

    choose(restored, "New");
    ASSERT_TRUE(waitUntil([&] { return relaunched.controller()->documents().size() == 1; }));
    const auto document =
        std::dynamic_pointer_cast<MyDocument>(relaunched.controller()->documents().front());
    auto* documentShown = shown.widgetFor(*document->myWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(documentShown));
    QDialog* sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(typePasswordTwice(documentShown, sheet));
    click(sheet, "OK");
    answerAlert(documentShown, u"Password accepted");
    auto* body = controlOf<QTextEdit>(documentShown, document->myTextView());
    ASSERT_NE(body, nullptr);
    QTest::keyClicks(body, "Serif");
    const auto font =
        document->myTextView()->textStorage()->attributedString().attributesAt(0).font;
    ASSERT_TRUE(font);
    EXPECT_EQ(font->family(), u"DejaVu Serif");
    EXPECT_EQ(font->pointSize(), 14);
    EXPECT_EQ(body->textCursor().charFormat().font().family(), "DejaVu Serif");

    document->close();
    reopened->close();
}

// The document chosen in the General pane opens, locked, about a second after the next
// launch, and its password unlocks it.
TEST_F(PreferencesTest, TheChosenStartupDocumentOpensAtTheNextLaunch) {
    const QString path = folder.filePath("Diary.sealscribe");
    program.application()->finishLaunching();
    auto* documentWidget = widgetOf(onlyDocument());
    ASSERT_TRUE(documentWidget && QTest::qWaitForWindowExposed(documentWidget));
    QDialog* sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(typePasswordTwice(documentWidget, sheet));
    click(sheet, "OK");
    answerAlert(documentWidget, u"Password accepted");
    choose(documentWidget, "Save As\u2026");
    ASSERT_NO_FATAL_FAILURE(enterFileName(documentWidget, path));
    ASSERT_TRUE(waitUntil([&] { return !onlyDocument()->isDocumentEdited(); }));

    choose(documentWidget, "Preferences\u2026");
    const auto window = delegateOf(program)->prefWindow();
    auto* preferences = renderer->widgetFor(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preferences));
    QPushButton* chooseButton = nullptr;
    for (auto* button : preferences->findChildren<QPushButton*>())
        if (button->text() == "Choose\u2026")
            chooseButton = button;
    ASSERT_NE(chooseButton, nullptr);
    EXPECT_FALSE(chooseButton->isEnabled());
    pick(popUpOf(preferences, *window, 0), "Open Selected Document");
    ASSERT_TRUE(waitUntil([&] { return chooseButton->isEnabled(); }));
    QTest::mouseClick(chooseButton, Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(enterFileName(preferences, path));
    EXPECT_TRUE(waitUntil([&] {
        for (auto* label : preferences->findChildren<QLabel*>())
            if (label->text() == "Diary.sealscribe" && label->isVisible())
                return true;
        return false;
    }));
    EXPECT_EQ(delegateOf(program)->StartupDocPathMessageString(), u"");

    choose(preferences, "Quit Sealscribe");
    ASSERT_TRUE(waitUntil([&] { return !program.application()->isRunning(); }));
    NextRun next(*this);
    auto& relaunched = next.program;
    auto& shown = *next.renderer;
    EXPECT_TRUE(relaunched.controller()->documents().empty());
    loop.advance(1.0);
    ASSERT_TRUE(waitUntil([&] { return relaunched.controller()->documents().size() == 1; }));
    const auto document =
        std::dynamic_pointer_cast<MyDocument>(relaunched.controller()->documents().front());
    ASSERT_TRUE(document && document->myWindow());
    auto* opened = shown.widgetFor(*document->myWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(opened));
    auto* password = controlOf<QLineEdit>(opened, document->passwordToDecryptField());
    ASSERT_TRUE(password && password->isVisible());
    QTest::keyClicks(password, "orchid7");
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return document->isDecrypted(); }));
    document->close();
}

} // namespace

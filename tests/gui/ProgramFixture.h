#pragma once

#include "GuiTest.h"
#include "document/MyDocument.h"
#include "gui/AlertDialog.h"
#include "gui/ApplicationRenderer.h"
#include "gui/PanelDialog.h"
#include "gui/QtRunLoop.h"
#include "gui/QtString.h"
#include "gui/SheetBinding.h"
#include "gui/ViewBinding.h"
#include "gui/WindowWidget.h"
#include "interface/ApplicationMain.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/URL.h"
#include "platform/ui/Alert.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace guitest {

// The program as main starts it, on the test's Qt application, with its settings in a
// folder of the test's own; the test works it as a user would, by keys, menus and buttons.
class ProgramFixture : public testing::Test {
protected:
    ProgramFixture() {
        // No launch asks the maker's update servers: nothing listens at this port.
        ::setenv("SEALSCRIBE_UPDATE_URLS", "http://127.0.0.1:1/", 1);
        program.prepare(1, arguments);
        renderer = std::make_unique<gui::ApplicationRenderer>(program.application());
    }
    ~ProgramFixture() override {
        for (const auto& document : std::vector(program.controller()->documents()))
            document->close();
        renderer.reset();
    }

    static bool waitUntil(const std::function<bool()>& condition) {
        return guitest::waitUntil(condition);
    }

    [[nodiscard]] std::shared_ptr<MyDocument> onlyDocument() const {
        const auto& documents = program.controller()->documents();
        return documents.size() == 1 ? std::dynamic_pointer_cast<MyDocument>(documents.front())
                                     : nullptr;
    }

    [[nodiscard]] gui::WindowWidget* widgetOf(const std::shared_ptr<MyDocument>& document) const {
        return document && document->myWindow() ? renderer->widgetFor(*document->myWindow())
                                                : nullptr;
    }

    template <typename Widget>
    static Widget* controlOf(QWidget* root, const std::shared_ptr<platform::View>& view) {
        gui::ViewBinding* binding = gui::ViewBinding::find(root, view.get());
        return binding ? qobject_cast<Widget*>(binding->focusWidget()) : nullptr;
    }

    // The window's sheet once it is a dialog of that kind, in front as the user sees it:
    // offscreen, a dialog answered before its activation arrives takes it once hidden,
    // which leaves no window active.
    template <typename Dialog> static Dialog* sheetOf(gui::WindowWidget* widget) {
        Dialog* found = nullptr;
        waitUntil([&] {
            found = dynamic_cast<Dialog*>(widget->sheets().dialog());
            return found && found->isVisible() && found->isActiveWindow();
        });
        return found;
    }

    // Whether the window, or its sheet if it has one, is in front for the user's next key.
    // The window system activates a window asynchronously, and offscreen nothing brings a
    // window back to the front for it: the test waits for what a window manager would do.
    static bool isInFront(gui::WindowWidget* widget) {
        const QDialog* sheet = widget->sheets().dialog();
        return sheet ? sheet->isVisible() && sheet->isActiveWindow() : widget->isActiveWindow();
    }

    // Types the password into both fields of the new document's password sheet.
    static void typePasswordTwice(gui::WindowWidget* widget, QDialog*& sheet) {
        sheet = sheetOf<QDialog>(widget);
        ASSERT_NE(sheet, nullptr);
        QList<QLineEdit*> fields;
        for (auto* field : sheet->findChildren<QLineEdit*>())
            if (field->echoMode() == QLineEdit::Password && field->isVisible())
                fields.append(field);
        ASSERT_EQ(fields.size(), 2);
        for (auto* field : fields)
            QTest::keyClicks(field, "orchid7");
    }

    static void click(QWidget* root, const QString& title) {
        for (auto* button : root->findChildren<QPushButton*>())
            if (button->text() == title && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no button " << title.toStdString();
    }

    // Answers the alert shown as the window's sheet with its only button.
    static void answerAlert(gui::WindowWidget* widget, const String& message) {
        auto* dialog = sheetOf<gui::AlertDialog>(widget);
        ASSERT_NE(dialog, nullptr) << "no alert " << gui::toQString(message).toStdString();
        EXPECT_EQ(dialog->alert()->messageText(), message);
        QTest::mouseClick(dialog->buttons().front(), Qt::LeftButton);
        EXPECT_TRUE(waitUntil([&] { return widget->sheets().dialog() == nullptr; }));
        EXPECT_TRUE(waitUntil([&] { return isInFront(widget); }));
    }

    // The main menu's command in the window's menu bar, once its menu has been validated
    // as opening it does.
    static QAction* menuItem(QWidget* widget, const QString& title) {
        for (auto* action : widget->findChildren<QAction*>())
            if (action->text() == title) {
                if (auto* menu = qobject_cast<QMenu*>(action->parent()))
                    emit menu->aboutToShow();
                return action;
            }
        ADD_FAILURE() << "no menu item " << title.toStdString();
        return nullptr;
    }

    static void choose(QWidget* widget, const QString& title) {
        if (auto* action = menuItem(widget, title))
            action->trigger();
    }

    // Closes the window's document by the menu and opens its file again: the new document,
    // once its window is rendered; none when either did not happen.
    std::shared_ptr<MyDocument> closeAndReopen(QWidget* widget, const QString& path) {
        choose(widget, "Close");
        if (!waitUntil([&] { return program.controller()->documents().empty(); }))
            return nullptr;
        program.controller()->openDocumentWithContentsOfURL(
            *platform::URL::fileURLWithPath(gui::fromQString(path)), true);
        if (!waitUntil([&] { return onlyDocument() && widgetOf(onlyDocument()); }))
            return nullptr;
        return onlyDocument();
    }

    // Names the file in the save or open panel shown as the window's sheet, which takes it.
    static void enterFileName(gui::WindowWidget* widget, const QString& path) {
        auto* panel = sheetOf<gui::PanelDialog>(widget);
        ASSERT_NE(panel, nullptr);
        auto* nameField = panel->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameField, nullptr);
        nameField->setText(path);
        QTest::keyClick(nameField, Qt::Key_Return);
        ASSERT_TRUE(waitUntil([&] { return widget->sheets().dialog() != panel; }));
        ASSERT_TRUE(waitUntil([&] { return isInFront(widget); }));
    }

    static bool isBoldAt(QTextEdit* edit, int position) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().fontWeight() >= QFont::Bold;
    }

    QTemporaryDir settings;
    QTemporaryDir folder;
    char name[11] = "sealscribe";
    char* arguments[2] = {name, nullptr};
    gui::QtRunLoop loop{gui::QtRunLoop::Clock::Manual};
    platform::ScopedMainRunLoop installed{loop};
    // As main builds it; before the program, which fills it.
    platform::Environment environment{std::filesystem::path(settings.path().toStdString()) /
                                      "Sealscribe"};
    ApplicationMain program{nullptr};
    std::unique_ptr<gui::ApplicationRenderer> renderer;
};

} // namespace guitest

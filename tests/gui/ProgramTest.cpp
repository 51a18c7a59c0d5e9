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
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using platform::String;

// The program as main starts it, on the test's Qt application, with its settings in a
// folder of the test's own.
class ProgramTest : public testing::Test {
protected:
    ProgramTest() {
        program.prepare(1, arguments);
        renderer = std::make_unique<gui::ApplicationRenderer>(program.application());
    }
    ~ProgramTest() override {
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

    // The window's sheet once it is a dialog of that kind.
    template <typename Dialog> static Dialog* sheetOf(gui::WindowWidget* widget) {
        Dialog* found = nullptr;
        waitUntil([&] {
            found = dynamic_cast<Dialog*>(widget->sheets().dialog());
            return found && found->isVisible();
        });
        return found;
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
    }

    // Chooses the main menu's command in the window's menu bar, once its menu has been
    // validated as opening it does.
    static void choose(QWidget* widget, const QString& title) {
        for (auto* action : widget->findChildren<QAction*>())
            if (action->text() == title) {
                if (auto* menu = qobject_cast<QMenu*>(action->parent()))
                    emit menu->aboutToShow();
                action->trigger();
                return;
            }
        ADD_FAILURE() << "no menu item " << title.toStdString();
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

TEST_F(ProgramTest, WritesAndReadsBackALockedDocument) {
    const QString path = folder.filePath("Diary.sealscribe");
    program.application()->finishLaunching();
    auto document = onlyDocument();
    ASSERT_TRUE(document);
    auto* widget = widgetOf(document);
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));

    // The new document asks for its master password.
    QDialog* sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(typePasswordTwice(widget, sheet));
    click(sheet, "OK");
    answerAlert(widget, u"Password accepted");

    auto* body = controlOf<QTextEdit>(widget, document->myTextView());
    ASSERT_NE(body, nullptr);
    ASSERT_TRUE(body->isVisible());
    QTest::keyClicks(body, "Dear diary");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(body, Qt::Key_Left, Qt::ShiftModifier);
    // A selection extended backwards keeps its anchor.
    EXPECT_EQ(document->myTextView()->selectedRange(), (platform::Range{5, 5}));
    choose(widget, "Bold");
    EXPECT_EQ(document->myTextView()->string(), u"Dear diary");

    choose(widget, "Save As\u2026");
    auto* panel = sheetOf<gui::PanelDialog>(widget);
    ASSERT_NE(panel, nullptr);
    auto* nameField = panel->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    nameField->setText(path);
    QTest::keyClick(nameField, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !document->isDocumentEdited(); }));
    ASSERT_TRUE(QFile::exists(path));

    choose(widget, "Close");
    ASSERT_TRUE(waitUntil([&] { return program.controller()->documents().empty(); }));
    document.reset();

    program.controller()->openDocumentWithContentsOfURL(
        *platform::URL::fileURLWithPath(gui::fromQString(path)), true);
    ASSERT_TRUE(waitUntil([&] { return onlyDocument() && widgetOf(onlyDocument()); }));
    document = onlyDocument();
    widget = widgetOf(document);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    auto* password = controlOf<QLineEdit>(widget, document->passwordToDecryptField());
    ASSERT_NE(password, nullptr);
    EXPECT_TRUE(password->isVisible());
    body = controlOf<QTextEdit>(widget, document->myTextView());
    ASSERT_NE(body, nullptr);
    EXPECT_FALSE(body->isVisible());
    EXPECT_EQ(document->myWindow()->frame().size, document->myWindow()->minSize());
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());

    QTest::keyClicks(password, "orchid8");
    QTest::keyClick(password, Qt::Key_Return);
    answerAlert(widget, u"Wrong Password");
    EXPECT_FALSE(document->isDecrypted());

    // The field has the focus back with its text selected: typing replaces it.
    ASSERT_TRUE(waitUntil([&] { return password->selectionLength() == 7; }));
    QTest::keyClicks(password, "orchid7");
    QTest::keyClick(password, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return body->isVisible(); }));
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_FALSE(password->isVisible());
    EXPECT_EQ(body->toPlainText(), "Dear diary");
    EXPECT_FALSE(isBoldAt(body, 4));
    for (int position = 5; position < 10; ++position)
        EXPECT_TRUE(isBoldAt(body, position)) << position;
}

// As a new user would: nothing typed after a save is lost, and the keyboard works the
// sheets, the alerts and the Edit commands.
TEST_F(ProgramTest, AnEditAfterASaveIsMarkedAskedAboutAndSaved) {
    const QString path = folder.filePath("Notes.sealscribe");
    program.application()->finishLaunching();
    auto document = onlyDocument();
    auto* widget = widgetOf(document);
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));

    QDialog* sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(typePasswordTwice(widget, sheet));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* accepted = sheetOf<gui::AlertDialog>(widget);
    ASSERT_NE(accepted, nullptr);
    EXPECT_EQ(accepted->alert()->messageText(), u"Password accepted");
    QTest::keyClick(accepted, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return widget->sheets().dialog() == nullptr; }));

    // The focus is back in the body: the first words typed are not lost.
    auto* body = controlOf<QTextEdit>(widget, document->myTextView());
    ASSERT_NE(body, nullptr);
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == body; }));
    QTest::keyClicks(QApplication::focusWidget(), "First");
    EXPECT_EQ(document->myTextView()->string(), u"First");

    choose(widget, "Save As\u2026");
    auto* panel = sheetOf<gui::PanelDialog>(widget);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->nameFilters(), QStringList{"Sealscribe documents (*.sealscribe)"});
    auto* nameField = panel->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    nameField->setText(path);
    QTest::keyClick(nameField, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !document->isDocumentEdited(); }));
    EXPECT_TRUE(widget->windowTitle().endsWith("[*]"));
    EXPECT_FALSE(widget->isWindowModified());

    QTest::keyClicks(body, " second");
    EXPECT_TRUE(document->isDocumentEdited());
    EXPECT_TRUE(widget->isWindowModified());
    QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document->myTextView()->string(), u"First");
    choose(widget, "Redo");
    EXPECT_EQ(document->myTextView()->string(), u"First second");

    // Escape cancels the question; the second time Save writes the edit.
    QTest::keyClick(body, Qt::Key_W, Qt::ControlModifier);
    auto* question = sheetOf<gui::AlertDialog>(widget);
    ASSERT_NE(question, nullptr);
    QTest::keyClick(question, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return widget->sheets().dialog() == nullptr; }));
    EXPECT_FALSE(document->isClosed());
    choose(widget, "Close");
    question = sheetOf<gui::AlertDialog>(widget);
    ASSERT_NE(question, nullptr);
    click(question, "Save");
    ASSERT_TRUE(waitUntil([&] { return program.controller()->documents().empty(); }));
    document.reset();

    program.controller()->openDocumentWithContentsOfURL(
        *platform::URL::fileURLWithPath(gui::fromQString(path)), true);
    ASSERT_TRUE(waitUntil([&] { return onlyDocument() && widgetOf(onlyDocument()); }));
    document = onlyDocument();
    widget = widgetOf(document);
    auto* password = controlOf<QLineEdit>(widget, document->passwordToDecryptField());
    ASSERT_NE(password, nullptr);
    QTest::keyClicks(password, "orchid7");
    QTest::keyClick(password, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return document->isDecrypted(); }));
    EXPECT_EQ(document->myTextView()->string(), u"First second");
    EXPECT_FALSE(widget->isWindowModified());
}

} // namespace

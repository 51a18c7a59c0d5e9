#include "ProgramFixture.h"
#include "platform/base/URL.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QFile>

namespace {

using platform::String;
using ProgramTest = guitest::ProgramFixture;

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
    ASSERT_NO_FATAL_FAILURE(enterFileName(widget, path));
    ASSERT_TRUE(waitUntil([&] { return !document->isDocumentEdited(); }));
    ASSERT_TRUE(QFile::exists(path));

    document = closeAndReopen(widget, path);
    ASSERT_TRUE(document);
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
    ASSERT_NO_FATAL_FAILURE(enterFileName(widget, path));
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

#include "ProgramFixture.h"
#include "platform/base/URL.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

#include <QDir>
#include <QFile>
#include <QToolBar>

namespace {

using platform::String;

// The document's commands as a user reaches them: by keys, the menu bar and the toolbar,
// on an unlocked document of the program.
class DocumentCommandsTest : public guitest::ProgramFixture {
protected:
    // The new document of the launch, its password set and the text typed into its body.
    void startUnlocked(const QString& text) {
        program.application()->finishLaunching();
        document = onlyDocument();
        widget = widgetOf(document);
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
        QDialog* sheet = nullptr;
        ASSERT_NO_FATAL_FAILURE(typePasswordTwice(widget, sheet));
        click(sheet, "OK");
        ASSERT_NO_FATAL_FAILURE(answerAlert(widget, u"Password accepted"));
        body = controlOf<QTextEdit>(widget, document->myTextView());
        ASSERT_NE(body, nullptr);
        ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == body; }));
        QTest::keyClicks(body, text);
    }

    void saveAs(const QString& path) {
        choose(widget, "Save As\u2026");
        ASSERT_NO_FATAL_FAILURE(enterFileName(widget, path));
        ASSERT_TRUE(waitUntil([&] { return !document->isDocumentEdited(); }));
    }

    void unlock() {
        auto* password = controlOf<QLineEdit>(widget, document->passwordToDecryptField());
        ASSERT_NE(password, nullptr);
        ASSERT_TRUE(password->isVisible());
        QTest::keyClicks(password, "orchid7");
        QTest::keyClick(password, Qt::Key_Return);
        ASSERT_TRUE(waitUntil([&] { return body->isVisible(); }));
    }

    // Closes the saved document and opens its file again, unlocked.
    void reopen(const QString& path) {
        document = closeAndReopen(widget, path);
        ASSERT_TRUE(document);
        widget = widgetOf(document);
        body = controlOf<QTextEdit>(widget, document->myTextView());
        ASSERT_NE(body, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
        ASSERT_NO_FATAL_FAILURE(unlock());
    }

    // Answers the question shown as the window's sheet with the button of that title.
    void answer(const String& message, const QString& button) {
        auto* dialog = sheetOf<gui::AlertDialog>(widget);
        ASSERT_NE(dialog, nullptr) << "no alert " << gui::toQString(message).toStdString();
        EXPECT_EQ(dialog->alert()->messageText(), message);
        click(dialog, button);
        ASSERT_TRUE(waitUntil([&] { return widget->sheets().dialog() != dialog; }));
        ASSERT_TRUE(waitUntil([&] { return isInFront(widget); }));
    }

    [[nodiscard]] QToolBar* toolbar() const { return widget->findChild<QToolBar*>(); }

    // Clicks the toolbar's item once the toolbar's validation has enabled it.
    void clickToolbarItem(const QString& label) {
        QAction* item = nullptr;
        for (auto* action : toolbar()->actions())
            if (action->text() == label)
                item = action;
        ASSERT_NE(item, nullptr) << "no toolbar item " << label.toStdString();
        ASSERT_TRUE(waitUntil([&] { return item->isEnabled(); }));
        QTest::mouseClick(toolbar()->widgetForAction(item), Qt::LeftButton);
    }

    // Types into the public note's sheet, if anything, and closes it.
    void editNote(const QString& text) {
        clickToolbarItem("Note");
        auto* sheet = sheetOf<QDialog>(widget);
        ASSERT_NE(sheet, nullptr);
        auto* note = controlOf<QTextEdit>(sheet, document->myPublicNoteView());
        ASSERT_NE(note, nullptr);
        ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == note; }));
        QTest::keyClicks(note, text);
        click(sheet, "Close");
        ASSERT_TRUE(waitUntil([&] { return widget->sheets().dialog() == nullptr; }));
        ASSERT_TRUE(waitUntil([&] { return isInFront(widget); }));
    }

    [[nodiscard]] QStringList filesInFolder() const {
        return QDir(folder.path()).entryList(QDir::Files);
    }

    std::shared_ptr<MyDocument> document;
    gui::WindowWidget* widget = nullptr;
    QTextEdit* body = nullptr;
};

TEST_F(DocumentCommandsTest, CtrlLLocksAfterTheQuestionAndThePasswordUnlocks) {
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Secret plans"));
    ASSERT_NO_FATAL_FAILURE(saveAs(folder.filePath("Plans.sealscribe")));
    const auto unlockedFrame = document->myWindow()->frame();
    ASSERT_TRUE(toolbar()->isVisible());

    QTest::keyClick(body, Qt::Key_L, Qt::ControlModifier);
    ASSERT_NO_FATAL_FAILURE(answer(u"Lock Document back to the crypted state?", "Cancel"));
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_TRUE(body->isVisible());
    EXPECT_TRUE(toolbar()->isVisible());

    QTest::keyClick(body, Qt::Key_L, Qt::ControlModifier);
    ASSERT_NO_FATAL_FAILURE(answer(u"Lock Document back to the crypted state?", "OK"));
    ASSERT_TRUE(waitUntil([&] { return !document->isDecrypted(); }));
    auto* password = controlOf<QLineEdit>(widget, document->passwordToDecryptField());
    ASSERT_NE(password, nullptr);
    ASSERT_TRUE(waitUntil([&] { return password->isVisible(); }));
    EXPECT_FALSE(body->isVisible());
    EXPECT_FALSE(toolbar()->isVisible());
    EXPECT_EQ(document->myWindow()->frame().size, document->myWindow()->minSize());
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == password; }));

    ASSERT_NO_FATAL_FAILURE(unlock());
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_EQ(body->toPlainText(), "Secret plans");
    EXPECT_TRUE(toolbar()->isVisible());
    EXPECT_EQ(document->myWindow()->frame(), unlockedFrame);
    EXPECT_NE(widget->minimumSize(), widget->maximumSize());
}

TEST_F(DocumentCommandsTest, ExportAsTextWritesOnlyOnceTheWarningIsAnswered) {
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Caff"));
    // QTest types only ASCII by itself; a keyboard with the key sends its text.
    QTest::sendKeyEvent(QTest::Click, body, Qt::Key_Egrave, QString("\u00e8"), Qt::NoModifier);
    QTest::keyClicks(body, " list");
    QTest::keyClick(body, Qt::Key_Return);
    QTest::keyClicks(body, "beans");
    const String warning = u"Export as Unencripted Text File";

    choose(widget, "Unencrypted Text\u2026");
    ASSERT_NO_FATAL_FAILURE(answer(warning, "Cancel"));
    EXPECT_TRUE(waitUntil([&] { return widget->sheets().dialog() == nullptr; }));
    EXPECT_TRUE(filesInFolder().isEmpty());

    const QString path = folder.filePath("Plain.txt");
    choose(widget, "Unencrypted Text\u2026");
    ASSERT_NO_FATAL_FAILURE(answer(warning, "Export"));
    ASSERT_NO_FATAL_FAILURE(enterFileName(widget, path));
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(path); }));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QString("Caff\u00e8 list\nbeans").toUtf8());
    EXPECT_EQ(filesInFolder(), QStringList{"Plain.txt"});
}

TEST_F(DocumentCommandsTest, ImportedRTFReplacesTheSelection) {
    const QString path = folder.filePath("Insert.rtf");
    QFile rtf(path);
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write(R"({\rtf1\ansi\deff0{\fonttbl{\f0 Helvetica;}}\f0 brand {\b new} words})");
    rtf.close();
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Keep OLD end"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(body, Qt::Key_Left);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(body, Qt::Key_Left, Qt::ShiftModifier);

    choose(widget, "RTF\u2026");
    ASSERT_NO_FATAL_FAILURE(enterFileName(widget, path));
    ASSERT_TRUE(waitUntil([&] { return body->toPlainText() == "Keep brand new words end"; }))
        << body->toPlainText().toStdString();
    EXPECT_EQ(document->myTextView()->string(), u"Keep brand new words end");
    EXPECT_FALSE(isBoldAt(body, 5));
    EXPECT_TRUE(isBoldAt(body, 11));
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(DocumentCommandsTest, MakePlainTextByItsKeysDropsTheStylesOnceConfirmed) {
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Some bold"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(body, Qt::Key_Left, Qt::ShiftModifier);
    choose(widget, "Bold");
    ASSERT_TRUE(isBoldAt(body, 6));
    const String question = u"Converting all the content in plain text?";
    const auto plainTextKeys = Qt::ControlModifier | Qt::ShiftModifier;

    QTest::keyClick(body, Qt::Key_T, plainTextKeys);
    ASSERT_NO_FATAL_FAILURE(answer(question, "Cancel"));
    EXPECT_TRUE(isBoldAt(body, 6));

    QTest::keyClick(body, Qt::Key_T, plainTextKeys);
    ASSERT_NO_FATAL_FAILURE(answer(question, "OK"));
    EXPECT_TRUE(waitUntil([&] { return !isBoldAt(body, 6); }));
    EXPECT_EQ(body->toPlainText(), "Some bold");
    EXPECT_TRUE(widget->isWindowModified());
}

TEST_F(DocumentCommandsTest, PreventEditingStopsTypingAndRetitlesItsItem) {
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Fixed"));
    QAction* toggle = menuItem(widget, "Prevent Editing");
    ASSERT_NE(toggle, nullptr);
    toggle->trigger();

    QTest::keyClicks(body, " more");
    QTest::keyClick(body, Qt::Key_Backspace);
    EXPECT_EQ(body->toPlainText(), "Fixed");
    EXPECT_EQ(document->myTextView()->string(), u"Fixed");
    emit qobject_cast<QMenu*>(toggle->parent())->aboutToShow();
    EXPECT_EQ(toggle->text(), "Allow Editing");
    EXPECT_TRUE(menuItem(widget, "Read Only")->isChecked());

    toggle->trigger();
    QTest::keyClicks(body, "!");
    EXPECT_EQ(document->myTextView()->string(), u"Fixed!");
}

TEST_F(DocumentCommandsTest, ThePublicNoteMarksItsEditAndIsSavedWithTheDocument) {
    const QString path = folder.filePath("Noted.sealscribe");
    ASSERT_NO_FATAL_FAILURE(startUnlocked("Body"));
    ASSERT_NO_FATAL_FAILURE(saveAs(path));
    ASSERT_FALSE(widget->isWindowModified());

    ASSERT_NO_FATAL_FAILURE(editNote(""));
    EXPECT_FALSE(widget->isWindowModified());
    EXPECT_FALSE(document->isDocumentEdited());

    ASSERT_NO_FATAL_FAILURE(editNote("Key under the mat"));
    EXPECT_TRUE(widget->isWindowModified());
    EXPECT_TRUE(widget->windowTitle().endsWith("[*]"));
    QTest::keyClick(body, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return !document->isDocumentEdited(); }));

    ASSERT_NO_FATAL_FAILURE(reopen(path));
    EXPECT_EQ(document->myPublicTextData(), u"Key under the mat");
    clickToolbarItem("Note");
    auto* sheet = sheetOf<QDialog>(widget);
    ASSERT_NE(sheet, nullptr);
    auto* note = controlOf<QTextEdit>(sheet, document->myPublicNoteView());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->toPlainText(), "Key under the mat");
    EXPECT_FALSE(widget->isWindowModified());
}

} // namespace

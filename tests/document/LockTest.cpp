#include "DocumentTest.h"
#include "platform/base/FileWriter.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/TextStorage.h"

#include <cerrno>

using documenttest::DocumentTest;
using platform::String;

namespace {

const String password = u"orchid";
const String lockQuestion = u"Lock Document back to the crypted state?";
const String again =
    u"To browse the document data again you will need to re-insert the master password";

// Fails every write, as a full disk does.
class FullDiskWriter : public platform::FileWriter {
protected:
    platform::Result<> writeBytes(int, const platform::Data&) override {
        return platform::failure(platform::Error::fromErrno(ENOSPC));
    }
};

class Lock : public DocumentTest {
protected:
    std::shared_ptr<MyDocument> savedDocument() {
        auto document = newDocumentWithPassword(password);
        document->myTextView()->userTypeText(u"Secret words.");
        save(document, "notes.sealscribe");
        EXPECT_FALSE(document->isDocumentEdited());
        return document;
    }

    void lockByHand(const std::shared_ptr<MyDocument>& document) {
        document->lockDocument(nullptr);
        answerAlert(document->myWindow(), lockQuestion, u"OK");
    }

    // What the file holds, read by another document with the password.
    String bodyOnDisk() {
        const auto reader = open("notes.sealscribe");
        if (!reader)
            return u"(not opened)";
        unlock(reader, password);
        const String body = reader->myTextView()->string();
        reader->close();
        loop.runUntilIdle();
        return body;
    }
};

TEST_F(Lock, ByHandAsksThenLocksAndTheUnlockBringsTheWindowBack) {
    const auto document = savedDocument();
    const auto window = document->myWindow();
    window->setFrame({150, 120, 640, 520}, true);
    const auto frame = window->frame();
    const auto salt = document->mySalt();

    document->lockDocument(nullptr);
    const auto alert = alertOn(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(), again);
    EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"OK", u"Cancel"}));
    EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Warning);
    answerAlert(window, lockQuestion, u"Cancel");
    EXPECT_FALSE(document->isEncrypted()->boolValue());

    lockByHand(document);
    EXPECT_TRUE(document->isEncrypted()->boolValue());
    EXPECT_FALSE(document->modernToolbar()->isVisible());
    EXPECT_EQ(window->frame().size, window->minSize());
    EXPECT_EQ(window->maxSize(), window->minSize());
    EXPECT_FALSE(window->showsResizeIndicator());
    EXPECT_EQ(window->firstResponder(), document->passwordToDecryptField());
    EXPECT_NE(document->mySalt(), salt) << "a fresh salt, IV and check";
    EXPECT_FALSE(document->isDocumentEdited());
    // Still in memory, as the unlock replaces it.
    EXPECT_EQ(document->myTextView()->string(), u"Secret words.");

    unlock(document, password);
    EXPECT_FALSE(document->isEncrypted()->boolValue());
    EXPECT_EQ(window->frame(), frame);
    EXPECT_TRUE(document->modernToolbar()->isVisible());
}

TEST_F(Lock, OnlyALockableDocumentLocksAndOnlyOnce) {
    const auto unsaved = newDocumentWithPassword(password);
    unsaved->lockDocument(nullptr);
    unsaved->doLockDocument();
    unsaved->lockAutomatically();
    loop.runUntilIdle();
    EXPECT_FALSE(alertOn(unsaved->myWindow()));
    EXPECT_FALSE(unsaved->isEncrypted()->boolValue());

    const auto document = savedDocument();
    document->doLockDocument();
    const auto remembered = document->myWinRectToUse();
    document->doLockDocument();
    document->lockDocument(nullptr);
    loop.runUntilIdle();
    EXPECT_EQ(document->myWinRectToUse(), remembered);
    EXPECT_FALSE(alertOn(document->myWindow()));
}

TEST_F(Lock, ClearsTheBodysUndoHistory) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" Deleted later.");
    ASSERT_TRUE(document->myTextView()->undoManager().canUndo());
    lockByHand(document);
    EXPECT_FALSE(document->myTextView()->undoManager().canUndo());
}

// The edits live on in the locked form: Close saves that, and asks nothing.
TEST_F(Lock, ADocumentLockedWithEditsIsSavedInPlaceAtClose) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" Typed after the save.");
    document->lockDocument(nullptr);
    EXPECT_EQ(alertOn(document->myWindow())->informativeText(),
              u"Before locking the document you need to save it on disk.\n" + again);
    answerAlert(document->myWindow(), lockQuestion, u"OK");
    EXPECT_TRUE(document->isDocumentEdited());

    document->myWindow()->userClose();
    loop.runUntilIdle();
    EXPECT_TRUE(document->isClosed());
    EXPECT_EQ(bodyOnDisk(), u"Secret words. Typed after the save.");
}

TEST_F(Lock, AFailedSaveOfTheLockedEditsShowsWhyAndThenCloseAsks) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" More.");
    lockByHand(document);
    document->setFileWriter(std::make_shared<FullDiskWriter>());

    document->myWindow()->userClose();
    loop.runUntilIdle();
    EXPECT_FALSE(document->isClosed());
    EXPECT_TRUE(document->isDocumentEdited());
    answerAlert(document->myWindow(),
                u"The document \u201cnotes.sealscribe\u201d could not be saved.", u"OK");
    answerAlert(document->myWindow(),
                u"Do you want to save the changes made to the document "
                u"\u201cnotes.sealscribe\u201d?",
                u"Don't Save");
    EXPECT_TRUE(document->isClosed());
    EXPECT_EQ(bodyOnDisk(), u"Secret words.");
}

TEST_F(Lock, AutomaticallySkipsWhatCannotBeLocked) {
    const auto unsaved = newDocumentWithPassword(password);
    const auto locked = savedDocument();
    lockByHand(locked);
    const auto remembered = locked->myWinRectToUse();
    unsaved->lockAutomatically();
    locked->lockAutomatically();
    loop.runUntilIdle();
    EXPECT_FALSE(unsaved->isEncrypted()->boolValue());
    EXPECT_EQ(locked->myWinRectToUse(), remembered);
}

// Nothing of a sheet's action runs on the stop answer: no export is written of a body
// that is locked meanwhile, not even one whose save panel was still to come.
TEST_F(Lock, AutomaticallyEndsEverySheetOfTheWindowUnanswered) {
    const auto document = savedDocument();
    const auto window = document->myWindow();
    document->exportToTEXT(nullptr);
    answerAlert(window, u"Export as Unencripted Text File", u"Export");
    ASSERT_TRUE(std::dynamic_pointer_cast<platform::SavePanel>(window->attachedSheet()));
    document->editPublicNote(nullptr);
    document->importFromTEXT(nullptr);
    std::shared_ptr<platform::PrintOperation> printing;
    platform::PrintOperation::setPresenter(
        [&printing](const std::shared_ptr<platform::PrintOperation>& shown) { printing = shown; });
    document->printDocument(nullptr);
    ASSERT_TRUE(printing);

    document->lockAutomatically();
    loop.runUntilIdle();
    EXPECT_TRUE(document->isEncrypted()->boolValue());
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_FALSE(std::filesystem::exists(folder / "notes.txt"));
    EXPECT_EQ(printing->state(), platform::PrintOperation::State::Cancelled);
}

TEST_F(Lock, AutomaticallyAQueuedExportPanelNeverShows) {
    const auto document = savedDocument();
    const auto window = document->myWindow();
    document->exportToTEXT(nullptr);
    const auto warning = alertOn(window);
    ASSERT_TRUE(warning);
    // The answer queues the save panel; the lock comes first.
    ASSERT_TRUE(warning->userPressButton(u"Export"));
    document->lockAutomatically();
    loop.runUntilIdle();
    EXPECT_TRUE(document->isEncrypted()->boolValue());
    EXPECT_FALSE(window->attachedSheet());
}

TEST_F(Lock, AutomaticallyAnEditedDocumentIsSavedRightAfter) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" Unsaved.");
    document->lockAutomatically();
    loop.runUntilIdle();
    EXPECT_TRUE(document->isEncrypted()->boolValue());
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(bodyOnDisk(), u"Secret words. Unsaved.");
}

TEST_F(Lock, AfterAPasswordChangeTheLockUsesTheNewPassword) {
    const auto document = savedDocument();
    document->documentPassword(nullptr);
    answerSheet(document->myWindow(), {password, u"tulips", u"tulips"}, u"Change");
    answerAlert(document->myWindow(), u"Password changed successfuly", u"OK");
    lockByHand(document);
    unlock(document, password);
    EXPECT_TRUE(document->isEncrypted()->boolValue());
    answerAlert(document->myWindow(), u"Wrong Password", u"OK");
    unlock(document, u"tulips");
    EXPECT_FALSE(document->isEncrypted()->boolValue());
}

} // namespace

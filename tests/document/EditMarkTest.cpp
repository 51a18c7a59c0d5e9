#include "DocumentTest.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/TextStorage.h"

using documenttest::DocumentTest;
using documenttest::readFile;
using platform::String;

namespace {

const String password = u"orchid";
const String closeQuestion =
    u"Do you want to save the changes made to the document \u201cnotes.sealscribe\u201d?";

// Every user change of the body marks the document edited, whatever brought it there; the
// program's own loading of the body does not.
class EditMark : public DocumentTest {
protected:
    // A saved document, as New, typing and Save As leave it.
    std::shared_ptr<MyDocument> savedDocument() {
        auto document = newDocumentWithPassword(password);
        document->myTextView()->userTypeText(u"First words.");
        save(document, "notes.sealscribe");
        EXPECT_FALSE(document->isDocumentEdited());
        return document;
    }

    // The saved file opened again and unlocked.
    std::shared_ptr<MyDocument> reopened() {
        auto document = open("notes.sealscribe");
        EXPECT_TRUE(document);
        if (!document)
            return nullptr;
        unlock(document, password);
        EXPECT_FALSE(document->isDocumentEdited());
        return document;
    }

    [[nodiscard]] String bodyOnDisk() {
        for (const auto& document : std::vector(controller->documents()))
            document->close();
        loop.runUntilIdle();
        const auto document = reopened();
        return document ? document->myTextView()->string() : String();
    }
};

TEST_F(EditMark, EveryKindOfUserChangeMarksASavedDocument) {
    using Change = std::function<void(platform::TextView&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"typing", [](platform::TextView& text) { text.userTypeText(u" More."); }},
        {"deleting", [](platform::TextView& text) { text.userDeleteBackward(); }},
        {"pasting",
         [](platform::TextView& text) {
             platform::Pasteboard::generalPasteboard()->clearContents();
             (void)platform::Pasteboard::generalPasteboard()->setString(
                 u"pasted", platform::Pasteboard::stringType);
             text.paste(nullptr);
         }},
        {"formatting",
         [](platform::TextView& text) {
             text.userSelect({0, 5});
             text.userToggleBold();
         }},
        {"undoing", [](platform::TextView& text) { text.undo(nullptr); }},
    };
    const auto document = savedDocument();
    const auto text = document->myTextView();
    text->userTypeText(u"!");
    document->updateChangeCount(platform::ChangeCleared);
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change(*text);
        EXPECT_TRUE(document->isDocumentEdited());
        EXPECT_TRUE(document->myWindow()->isDocumentEdited());
        document->updateChangeCount(platform::ChangeCleared);
        EXPECT_FALSE(document->myWindow()->isDocumentEdited());
    }
}

TEST_F(EditMark, UnlockingAndRevertingDoNotMarkIt) {
    savedDocument()->close();
    const auto document = reopened();
    ASSERT_TRUE(document);
    EXPECT_EQ(document->myTextView()->string(), u"First words.");
    EXPECT_FALSE(document->myTextView()->undoManager().canUndo());

    document->myTextView()->userTypeText(u"Gone.");
    ASSERT_TRUE(document->isDocumentEdited());
    EXPECT_TRUE(document->myTextView()->undoManager().canUndo());
    document->revertDocumentToSaved(nullptr);
    answerAlert(document->myWindow(),
                u"Do you want to revert to the most recently saved version of the document "
                u"\u201cnotes.sealscribe\u201d?",
                u"Revert");
    EXPECT_FALSE(document->isDocumentEdited());
}

TEST_F(EditMark, CloseAsksAndSaveWritesTheEdit) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" Second words.");
    document->myWindow()->userClose();
    answerAlert(document->myWindow(), closeQuestion, u"Save");
    EXPECT_TRUE(document->isClosed());
    EXPECT_EQ(bodyOnDisk(), u"First words. Second words.");
}

TEST_F(EditMark, DontSaveLeavesTheFileAsItWas) {
    const auto document = savedDocument();
    const auto before = readFile(folder / "notes.sealscribe");
    document->myTextView()->userTypeText(u" Discarded.");
    document->myWindow()->userClose();
    answerAlert(document->myWindow(), closeQuestion, u"Don't Save");
    EXPECT_TRUE(document->isClosed());
    EXPECT_EQ(readFile(folder / "notes.sealscribe"), before);
}

TEST_F(EditMark, QuitReviewsAReopenedDocumentWithAnEdit) {
    savedDocument()->close();
    const auto document = reopened();
    ASSERT_TRUE(document);
    document->myTextView()->userTypeText(u"Also ");
    app->terminate(nullptr);
    loop.runUntilIdle();
    answerAlert(document->myWindow(), closeQuestion, u"Save");
    EXPECT_FALSE(app->isRunning());
    EXPECT_EQ(bodyOnDisk(), u"Also First words.");
}

TEST_F(EditMark, AutosaveWritesTheEditInPlace) {
    const auto document = savedDocument();
    document->myTextView()->userTypeText(u" Kept.");
    loop.advance(platform::Document::autosaveDelay);
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(bodyOnDisk(), u"First words. Kept.");
}

TEST_F(EditMark, TheFocusIsOnTheBodyOnceTheNewDocumentHasItsPassword) {
    const auto document = newDocumentWithPassword(password);
    EXPECT_EQ(document->myWindow()->firstResponder(), document->myTextView());
    document->close();
    const auto saved = savedDocument();
    saved->close();
    const auto locked = open("notes.sealscribe");
    ASSERT_TRUE(locked);
    EXPECT_EQ(locked->myWindow()->firstResponder(), locked->passwordToDecryptField());
}

} // namespace

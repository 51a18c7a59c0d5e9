#include "DocumentTest.h"
#include "platform/base/KeyedUnarchiver.h"
#include "platform/ui/MenuItem.h"

#include <limits>

using documenttest::DocumentTest;
using documenttest::readFile;
using documenttest::writeFile;
using platform::Rect;
using platform::String;

namespace {

class SaveOpenUnlock : public DocumentTest {
protected:
    // A document with a password and a body, moved by the user and saved as notes.
    std::shared_ptr<MyDocument> savedDocument(const String& body = u"Secret body") {
        auto document = newDocumentWithPassword(u"orchid");
        document->myTextView()->userTypeText(body);
        document->myWindow()->userMove({150, 120});
        save(document, "notes.sealscribe");
        return document;
    }

    static platform::Dictionary dictionaryOf(const platform::Data& file) {
        const auto root = platform::KeyedUnarchiver::unarchiveObjectWithData(file);
        return root.dictionary() ? *root.dictionary() : platform::Dictionary();
    }

    static platform::Rect centred(const Rect& frame) {
        platform::Window reference(frame);
        reference.center();
        return reference.frame();
    }
};

TEST_F(SaveOpenUnlock, ReopensLockedAndUnlocksWithItsPassword) {
    const auto saved = savedDocument();
    EXPECT_FALSE(saved->isDocumentEdited());
    const Rect frameAtSave = saved->myWindow()->frame();
    saved->close();

    const auto document = open("notes.sealscribe");
    ASSERT_TRUE(document);
    const auto window = document->myWindow();
    EXPECT_FALSE(document->isDecrypted());
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_FALSE(document->modernToolbar()->isVisible());
    EXPECT_FALSE(platform::SharedFontManager::sharedFontManager()->isEnabled());
    EXPECT_EQ(window->frame().size, window->minSize());
    EXPECT_EQ(window->minSize(), (platform::Size{480, 270}));
    EXPECT_EQ(window->maxSize(), window->minSize());
    EXPECT_FALSE(window->showsResizeIndicator());
    EXPECT_EQ(window->frame(), centred(window->frame()));
    EXPECT_FALSE(document->passwordToDecryptField()->superview()->isHidden());
    EXPECT_TRUE(document->myScrollView()->isHidden());
    EXPECT_FALSE(window->attachedSheet());

    unlock(document, u"orchid");
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_TRUE(document->modernToolbar()->isVisible());
    EXPECT_EQ(window->frame(), frameAtSave);
    EXPECT_EQ(document->myTextView()->string(), u"Secret body");
    EXPECT_EQ(window->firstResponder(), document->myTextView());
    EXPECT_TRUE(platform::SharedFontManager::sharedFontManager()->isEnabled());
    EXPECT_EQ(window->maxSize().width, std::numeric_limits<float>::max());
    EXPECT_TRUE(window->showsResizeIndicator());
    EXPECT_EQ(document->passwordToDecryptField()->stringValue(), u"");
    EXPECT_EQ(document->plainPasswordInserted(), String());
    EXPECT_TRUE(document->passwordToDecryptField()->superview()->isHidden());
    EXPECT_FALSE(document->myScrollView()->isHidden());
    EXPECT_FALSE(document->decryptProgressIndicator()->isAnimating());
    EXPECT_TRUE(document->decryptProgressIndicator()->isHidden());
}

TEST_F(SaveOpenUnlock, EmptyAndWrongPasswordsLeaveItLocked) {
    savedDocument()->close();
    const auto document = open("notes.sealscribe");
    const auto window = document->myWindow();

    unlock(document, u"");
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_EQ(document->plainPassword(), u"");

    document->updateChangeCount(platform::ChangeDone);
    unlock(document, u"orchie");
    const auto alert = alertOn(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(), u"You inserted a wrong password.\nTo access this document "
                                        u"you must insert exactly the password used to protect it");
    EXPECT_EQ(alert->buttonTitles(), std::vector<String>{u"OK"});
    answerAlert(window, u"Wrong Password", u"OK");
    EXPECT_FALSE(document->isDecrypted());
    EXPECT_EQ(document->plainPassword(), u"orchie");
    EXPECT_EQ(document->passwordToDecryptField()->stringValue(), u"orchie");
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_TRUE(document->myScrollView()->isHidden());
    EXPECT_EQ(document->myTextViewData(), std::nullopt);

    unlock(document, u"orchid");
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_EQ(document->myTextView()->string(), u"Secret body");
}

// A rejected password must not become the password of the next save.
TEST_F(SaveOpenUnlock, SubmissionToAnUnlockedDocumentChangesNothing) {
    savedDocument()->close();
    const auto document = open("notes.sealscribe");
    unlock(document, u"orchid");

    document->setPlainPasswordInserted(u"intruder");
    document->submitPasswordToDecrypt(nullptr);
    loop.runUntilIdle();
    EXPECT_FALSE(document->myWindow()->attachedSheet());
    EXPECT_EQ(document->plainPassword(), u"orchid");

    save(document);
    document->close();
    const auto again = open("notes.sealscribe");
    unlock(again, u"orchid");
    EXPECT_TRUE(again->isDecrypted());
}

TEST_F(SaveOpenUnlock, EverySaveDrawsAFreshSaltIVAndCheck) {
    const auto document = savedDocument();
    const auto first = readFile(folder / "notes.sealscribe");
    save(document);
    const auto second = readFile(folder / "notes.sealscribe");
    writeFile(folder / "first.sealscribe", first);

    const auto one = dictionaryOf(first);
    const auto two = dictionaryOf(second);
    for (const auto* key : {u"salt", u"IV", u"rc", u"sha1-rc", u"textData", u"crDate", u"crMAC"}) {
        SCOPED_TRACE(platform::toUtf8Lossy(key));
        ASSERT_TRUE(one.contains(key) && two.contains(key));
        EXPECT_NE(one.at(key), two.at(key));
    }
    EXPECT_EQ(one.at(u"salt").data()->size(), 8u);
    EXPECT_EQ(one.at(u"IV").data()->size(), 16u);
    EXPECT_EQ(one.at(u"sha1-rc").data()->size(), 20u);
    EXPECT_EQ(one.at(u"appversion").unsignedLongLongValue(), 20400u);

    document->close();
    for (const auto* name : {"first.sealscribe", "notes.sealscribe"}) {
        const auto reopened = open(name);
        unlock(reopened, u"orchid");
        EXPECT_EQ(reopened->myTextView()->string(), u"Secret body") << name;
        EXPECT_EQ(reopened->myCrDate(), document->myCrDate());
    }
}

// The body's view hands its last keystroke to every reader, without a move of the focus.
TEST_F(SaveOpenUnlock, NoEditIsLost) {
    const auto document = savedDocument(u"First");
    const auto textView = document->myTextView();
    textView->userTypeText(u" and last");
    EXPECT_EQ(document->myWindow()->firstResponder(), textView);
    save(document);
    document->close();

    const auto reopened = open("notes.sealscribe");
    unlock(reopened, u"orchid");
    EXPECT_EQ(reopened->myTextView()->string(), u"First and last");
}

TEST_F(SaveOpenUnlock, ALockedDocumentClosesWithoutTheSaveQuestion) {
    savedDocument()->close();
    const auto document = open("notes.sealscribe");
    document->updateChangeCount(platform::ChangeDone);
    document->myWindow()->userClose();
    loop.runUntilIdle();
    EXPECT_TRUE(document->isClosed());

    bool reviewed = false;
    const auto locked = open("notes.sealscribe");
    locked->updateChangeCount(platform::ChangeDone);
    controller->reviewUnsavedDocuments([&reviewed](bool didCloseAll) { reviewed = didCloseAll; });
    loop.runUntilIdle();
    EXPECT_TRUE(reviewed);
    EXPECT_TRUE(locked->isClosed());
}

TEST_F(SaveOpenUnlock, DocumentCommandsNeedAnUnlockedDocument) {
    const auto validate = [](MyDocument& document, const String& action) {
        platform::MenuItem item(u"", action, u"");
        return document.validateUserInterfaceItem(item);
    };
    const char16_t* const needUnlocked[] = {u"saveDocument:",     u"saveDocumentAs:",
                                            u"documentPassword:", u"revertDocumentToSaved:",
                                            u"runPageLayout:",    u"printDocument:"};
    const auto fresh = newDocumentWithPassword(u"orchid");
    for (const auto* action : needUnlocked)
        EXPECT_EQ(validate(*fresh, action), true) << platform::toUtf8Lossy(action);
    fresh->setIsEncrypted(std::nullopt);
    EXPECT_EQ(validate(*fresh, u"revertDocumentToSaved:"), true);
    EXPECT_TRUE(fresh->isDecrypted());
    fresh->setIsEncrypted(platform::Number::boolean(false));
    save(fresh, "notes.sealscribe");
    fresh->close();

    const auto locked = open("notes.sealscribe");
    for (const auto* action : needUnlocked)
        EXPECT_EQ(validate(*locked, action), false) << platform::toUtf8Lossy(action);
    EXPECT_EQ(validate(*locked, u"submitPasswordToDecrypt:"), true);
}

TEST_F(SaveOpenUnlock, TheBodyViewTakesItsOptionsFromTheSettings) {
    const auto document = newDocumentWithPassword(u"orchid");
    const auto textView = document->myTextView();
    EXPECT_FALSE(textView->isRulerVisible());
    EXPECT_TRUE(textView->isContinuousSpellCheckingEnabled());
    EXPECT_TRUE(textView->usesAdaptiveColorMappingForDarkAppearance());
    const auto expected =
        platform::SharedFontManager::sharedFontManager()->fontWithName(u"Helvetica", 12);
    EXPECT_EQ(textView->typingAttributes().font, expected);

    platform::UserDefaults::standardUserDefaults()->registerDefaults({
        {u"StartupFontFamily", platform::Value(u"No Such Family Anywhere")},
        {u"StartWithRuler", platform::Value(platform::Number::boolean(true))},
        {u"StartWithSpelling", platform::Value(platform::Number::boolean(false))},
    });
    const auto other = newDocument();
    EXPECT_EQ(other->myTextView()->typingAttributes(), platform::TextAttributes());
    EXPECT_TRUE(other->myTextView()->isRulerVisible());
    EXPECT_FALSE(other->myTextView()->isContinuousSpellCheckingEnabled());
}

TEST_F(SaveOpenUnlock, LockedFrameKeepsTheTopEdgeToTheWholePoint) {
    EXPECT_EQ(MyDocument::lockedFrame(Rect(100, 200, 640, 500.75), {400, 200}),
              Rect(100, 500, 400, 200));
    EXPECT_EQ(MyDocument::lockedFrame(Rect(), {}), Rect());
}

} // namespace

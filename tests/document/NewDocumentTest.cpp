#include "DocumentTest.h"

using documenttest::DocumentTest;
using platform::String;

namespace {

class NewDocument : public DocumentTest {};

TEST_F(NewDocument, AsksForItsPasswordOnceWhenItsWindowFirstBecomesKey) {
    const auto document = newDocument();
    const auto window = document->myWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->attachedSheet(), document->mandatoryPasswordSheet());
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_TRUE(document->modernToolbar()->isVisible());

    answerSheet(window, {u"orchid", u"orchid"}, u"OK");
    answerAlert(window, u"Password accepted", u"OK");
    EXPECT_EQ(document->plainPassword(), u"orchid");

    const auto other = std::make_shared<platform::Window>(platform::Rect(0, 0, 100, 100));
    other->makeKeyAndOrderFront(nullptr);
    window->makeKeyAndOrderFront(nullptr);
    loop.runUntilIdle();
    EXPECT_FALSE(window->attachedSheet());
}

TEST_F(NewDocument, AnotherWindowBecomingKeyFirstLeavesTheQuestionForItsOwnWindow) {
    auto document = std::make_shared<MyDocument>();
    controller->addDocument(document);
    document->makeWindowControllers();
    const auto window = document->windowForSheet();
    document->windowDidBecomeKey(*std::make_shared<platform::Window>());
    loop.runUntilIdle();
    EXPECT_TRUE(document->requiresMandatoryPassword());

    document->setPlainPassword(u"given already");
    document->windowDidBecomeKey(*window);
    loop.runUntilIdle();
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_FALSE(document->requiresMandatoryPassword());
}

TEST_F(NewDocument, PasswordRules) {
    const String treble = u"\U0001D11E\U0001D11E\U0001D11E"; // six UTF-16 units
    const struct {
        String password;
        String retype;
        const char16_t* refusal; // none: accepted
    } cases[] = {
        {u"orchi", u"orchi", u"Password too short"},
        {u"orchid", u"orchid", nullptr},
        {treble, treble, nullptr},
        {u"", u"", u"Password too short"},
        {u"orchid", u"orchie", u"Password inserted in the two fields doesn't match"},
        {u"Orchid", u"orchid", u"Password inserted in the two fields doesn't match"},
        {u"orchid ", u"orchid", u"Password inserted in the two fields doesn't match"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::toUtf8Lossy(c.password) + " / " + platform::toUtf8Lossy(c.retype));
        const auto document = newDocument();
        const auto window = document->myWindow();
        answerSheet(window, {c.password, c.retype}, u"OK");
        if (!c.refusal) {
            answerAlert(window, u"Password accepted", u"OK");
            EXPECT_EQ(document->plainPassword(), c.password);
            EXPECT_EQ(document->plainPasswordInserted(), String());
            EXPECT_EQ(document->plainPasswordInsertedRetype(), String());
            EXPECT_TRUE(document->isDocumentEdited());
        } else {
            EXPECT_EQ(alertOn(window)->buttonTitles(), std::vector<String>{u"Retry"});
            answerAlert(window, c.refusal, u"Retry");
            EXPECT_EQ(document->plainPassword(), u"");
            EXPECT_FALSE(document->isDocumentEdited());
            // Back with the entries typed, now shown in clear.
            EXPECT_EQ(window->attachedSheet(), document->mandatoryPasswordSheet());
            const auto fields =
                documenttest::viewsOf<platform::SecureTextField>(*window->attachedSheet());
            EXPECT_EQ(fields[0]->stringValue(), c.password);
            EXPECT_EQ(fields[1]->stringValue(), c.retype);
            EXPECT_TRUE(document->showClearPasswordInInsertPasswordSheet()->boolValue());
        }
        document->close();
    }
}

TEST_F(NewDocument, RefusingThePasswordClosesItUnsavedWhateverItHolds) {
    const auto document = newDocument();
    document->setMyTextViewData(documenttest::rtf("typed before"));
    document->updateChangeCount(platform::ChangeDone);
    answerSheet(document->myWindow(), {u"orchid", u"orchid"}, u"Cancel");
    EXPECT_TRUE(document->isClosed());
    EXPECT_TRUE(controller->documents().empty());
}

TEST_F(NewDocument, EndedWithoutAnAnswerClosesIt) {
    const auto document = newDocument();
    document->myWindow()->endSheet(document->mandatoryPasswordSheet());
    loop.runUntilIdle();
    EXPECT_TRUE(document->isClosed());
}

TEST_F(NewDocument, PasswordCommandWithoutAPasswordAsksForTheMandatoryOne) {
    std::optional<String> error;
    const auto document = std::dynamic_pointer_cast<MyDocument>(
        controller->openUntitledDocumentAndDisplay(false, error));
    ASSERT_TRUE(document);
    const auto window = document->windowForSheet();
    EXPECT_FALSE(window->attachedSheet());
    document->documentPassword(nullptr);
    EXPECT_EQ(window->attachedSheet(), document->mandatoryPasswordSheet());
    answerSheet(window, {u"orchid", u"orchid"}, u"Cancel");
    EXPECT_TRUE(document->isClosed());
}

} // namespace

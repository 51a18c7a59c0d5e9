#include "CommandTest.h"

using documenttest::CommandTest;
using platform::String;

namespace {

const String plainTextQuestion = u"Converting all the content in plain text?";

class PlainText : public CommandTest {
protected:
    std::shared_ptr<MyDocument> document = savedDocument(styledBody());
    std::shared_ptr<platform::Window> window = document->myWindow();
    std::shared_ptr<platform::TextView> body = document->myTextView();

    // One run over the whole body, in those attributes.
    void expectWholly(const platform::TextAttributes& attributes) {
        const auto& text = body->textStorage()->attributedString();
        ASSERT_EQ(text.runCount(), 1U);
        EXPECT_EQ(*text.runAttributes(0), attributes);
        EXPECT_EQ(body->typingAttributes(), attributes);
    }
};

TEST_F(PlainText, AsksFirst) {
    ASSERT_GT(body->textStorage()->attributedString().runCount(), 2U);
    document->makePlainText(nullptr);
    const auto alert = alertOn(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), plainTextQuestion);
    EXPECT_EQ(alert->informativeText(),
              u"Making a rich text content plain will lose all text styles (such as fonts and "
              u"colors), images, attachments and document properties.");
    EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Informational);
    EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"OK", u"Cancel"}));
}

TEST_F(PlainText, OKSetsEveryCharacterInTheBodyFontAlone) {
    const String characters = body->string();
    document->makePlainText(nullptr);
    answerAlert(window, plainTextQuestion, u"OK");
    EXPECT_EQ(body->string(), characters);
    expectWholly(bodyAttributes());
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(PlainText, CancelChangesNothing) {
    const auto before = stateOf(*document);
    document->makePlainText(nullptr);
    answerAlert(window, plainTextQuestion, u"Cancel");
    EXPECT_EQ(stateOf(*document), before);
}

TEST_F(PlainText, AnEmptyBodyStillGetsTheTypingAttributes) {
    document->setMyTextViewData(platform::Data());
    platform::TextAttributes underlined;
    underlined.underline = true;
    body->setTypingAttributes(underlined);
    document->doMakePlainText();
    EXPECT_EQ(body->string(), u"");
    EXPECT_EQ(body->typingAttributes(), bodyAttributes());
}

TEST_F(PlainText, AReadOnlyDocumentIsLeftAsItIs) {
    document->setReadOnly(nullptr);
    const auto before = stateOf(*document);
    document->makePlainText(nullptr);
    EXPECT_FALSE(window->attachedSheet());
    document->doMakePlainText();
    EXPECT_EQ(stateOf(*document), before);
}

TEST_F(PlainText, AFontFamilyThatIsNowhereLeavesTheViewsDefaultFont) {
    platform::UserDefaults::standardUserDefaults()->registerDefaults(
        {{u"StartupFontFamily", platform::Value(u"No Such Family Anywhere")}});
    document->doMakePlainText();
    expectWholly(platform::TextAttributes());
}

class ReadOnly : public CommandTest {
protected:
    std::shared_ptr<MyDocument> document = savedDocument();
    std::shared_ptr<platform::TextView> body = document->myTextView();

    [[nodiscard]] bool flag() const { return document->myIsEditable()->boolValue(); }
};

TEST_F(ReadOnly, TheCommandsSetTheFlagAndTheBodyFollowsWithoutMarkingTheDocument) {
    using Command = void (MyDocument::*)(const MyDocument::Sender&);
    const std::pair<Command, bool> steps[] = {
        {&MyDocument::switchReadAndWrite, false}, {&MyDocument::switchReadAndWrite, true},
        {&MyDocument::setReadOnly, false},        {&MyDocument::setReadOnly, false},
        {&MyDocument::setReadAndWrite, true},     {&MyDocument::setReadAndWrite, true},
        {&MyDocument::setReadOnly, false},        {&MyDocument::switchReadAndWrite, true},
    };
    ASSERT_TRUE(flag());
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        (document.get()->*steps[i].first)(nullptr);
        EXPECT_EQ(flag(), steps[i].second);
        EXPECT_EQ(body->isEditable(), steps[i].second);
        EXPECT_FALSE(document->isDocumentEdited());
    }
}

TEST_F(ReadOnly, TheUserCannotTypeIntoAReadOnlyBody) {
    document->switchReadAndWrite(nullptr);
    body->userTypeText(u"Sneaked in ");
    EXPECT_EQ(body->string(), u"Hello world");
    EXPECT_FALSE(document->isDocumentEdited());
}

TEST_F(ReadOnly, ContentAsTextBecomesTheWholeBodyInTheBodyFont) {
    document->setMyTextViewData(styledBody());
    document->updateChangeCount(platform::ChangeCleared);
    document->setContentAsText(u"Only this");
    const auto& text = body->textStorage()->attributedString();
    EXPECT_EQ(text.string(), u"Only this");
    ASSERT_EQ(text.runCount(), 1U);
    EXPECT_EQ(*text.runAttributes(0), bodyAttributes());
    EXPECT_TRUE(document->isDocumentEdited());
}

} // namespace

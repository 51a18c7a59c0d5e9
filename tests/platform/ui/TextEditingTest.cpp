#include "CountingTextDelegate.h"
#include "UiTest.h"
#include "platform/text/RTFReader.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextContextMenu.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/View.h"

using namespace platform;

namespace {

// A text in a key window: the user's edits, their undo history and the Edit commands.
class TextEditingTest : public uitest::UiTest {
protected:
    TextEditingTest() {
        window->setContentView(std::make_shared<View>());
        window->contentView()->addSubview(text);
        Pasteboard::generalPasteboard()->clearContents();
    }

    [[nodiscard]] bool enabled(const String& action) {
        MenuItem item(u"", action, u"");
        return text->validateUserInterfaceItem(item).value_or(false);
    }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<Text> text = std::make_shared<Text>();
};

TEST_F(TextEditingTest, TypingIsUndoneAsOneStepUntilTheSelectionMoves) {
    for (const char16_t* typed : {u"H", u"el", u"lo"})
        text->userTypeText(typed);
    text->userSelect({5, 0});
    text->userTypeText(u" world");
    text->undo(nullptr);
    EXPECT_EQ(text->string(), u"Hello");
    EXPECT_EQ(text->selectedRange(), (Range{5, 0}));
    text->undo(nullptr);
    EXPECT_EQ(text->string(), u"");
    EXPECT_FALSE(enabled(u"undo:"));

    text->redo(nullptr);
    text->redo(nullptr);
    EXPECT_EQ(text->string(), u"Hello world");
    EXPECT_FALSE(enabled(u"redo:"));
}

TEST_F(TextEditingTest, BackspacesAreOneStepAndUndoSelectsWhatComesBack) {
    text->userTypeText(u"abcdef");
    text->userSelect({6, 0});
    for (int i = 0; i < 3; ++i)
        text->userDeleteBackward();
    EXPECT_EQ(text->string(), u"abc");
    text->undo(nullptr);
    EXPECT_EQ(text->string(), u"abcdef");
    EXPECT_EQ(text->selectedRange(), (Range{3, 3}));
}

TEST_F(TextEditingTest, FormattingIsUndoneAndANewEditForgetsWhatCouldBeRedone) {
    text->userTypeText(u"bold");
    text->userSelect({0, 4});
    text->userToggleBold();
    ASSERT_TRUE(text->textStorage()->attributedString().attributesAt(0).font->isBold());
    text->undo(nullptr);
    EXPECT_FALSE(text->textStorage()->attributedString().attributesAt(0).font.has_value());
    EXPECT_TRUE(enabled(u"redo:"));
    text->userTypeText(u"x");
    EXPECT_FALSE(enabled(u"redo:"));
}

TEST_F(TextEditingTest, AChangeByTheProgramForgetsTheHistory) {
    text->userTypeText(u"typed");
    text->textStorage()->replaceCharactersInRange({0, 0}, u"loaded ");
    EXPECT_FALSE(enabled(u"undo:"));
    text->undo(nullptr);
    EXPECT_EQ(text->string(), u"loaded typed");
}

TEST_F(TextEditingTest, EveryUserChangeIsToldToTheDelegateAndTheWindow) {
    const auto delegate = std::make_shared<uitest::CountingTextDelegate>();
    text->setDelegate(delegate);
    int toldWindow = 0;
    const auto observation = window->observeTextChanges([&](Text& changed) {
        EXPECT_EQ(&changed, text.get());
        ++toldWindow;
    });
    text->userTypeText(u"one");
    text->undo(nullptr);
    text->redo(nullptr);
    text->selectAll(nullptr);
    text->cut(nullptr);
    text->textStorage()->replaceCharactersInRange({0, 0}, u"by the program");
    EXPECT_EQ(toldWindow, 4);
    EXPECT_EQ(delegate->changes, 4);
}

TEST_F(TextEditingTest, CopyCutAndPasteGoThroughTheGeneralPasteboard) {
    const auto pasteboard = Pasteboard::generalPasteboard();
    text->userTypeText(u"one two");
    text->userSelect({0, 3});
    text->copy(nullptr);
    EXPECT_EQ(pasteboard->stringForType(Pasteboard::stringType), u"one");
    const auto rtf = pasteboard->dataForType(Pasteboard::rtfType);
    ASSERT_TRUE(rtf);
    EXPECT_EQ(RTFReader::read(bytesOf(*rtf))->string(), u"one");

    text->userSelect({3, 4});
    text->cut(nullptr);
    EXPECT_EQ(text->string(), u"one");
    EXPECT_EQ(pasteboard->stringForType(Pasteboard::stringType), u" two");
    text->userSelect({0, 0});
    text->paste(nullptr);
    EXPECT_EQ(text->string(), u" twoone");

    text->setRichText(false);
    text->selectAll(nullptr);
    text->copy(nullptr);
    EXPECT_FALSE(pasteboard->dataForType(Pasteboard::rtfType));
}

TEST_F(TextEditingTest, TheEditCommandsAreEnabledByWhatTheyWouldDo) {
    struct Case {
        const char* state;
        std::function<void()> setUp;
        std::vector<const char16_t*> enabledActions;
    };
    const std::vector<Case> cases = {
        {"empty", [] {}, {}},
        {"typed, insertion point", [&] { text->userTypeText(u"abc"); }, {u"undo:", u"selectAll:"}},
        {"selection",
         [&] {
             text->userSelect({0, 2});
         },
         {u"undo:", u"cut:", u"copy:", u"delete:", u"selectAll:"}},
        {"something to paste",
         [&] { (void)Pasteboard::generalPasteboard()->setString(u"p", Pasteboard::stringType); },
         {u"undo:", u"cut:", u"copy:", u"paste:", u"delete:", u"selectAll:"}},
        {"not editable", [&] { text->setEditable(false); }, {u"copy:", u"selectAll:"}},
    };
    const std::vector<const char16_t*> actions = {u"undo:",  u"redo:",   u"cut:",      u"copy:",
                                                  u"paste:", u"delete:", u"selectAll:"};
    for (const auto& [state, setUp, enabledActions] : cases) {
        SCOPED_TRACE(state);
        setUp();
        for (const char16_t* action : actions)
            EXPECT_EQ(enabled(action), std::find(enabledActions.begin(), enabledActions.end(),
                                                 String(action)) != enabledActions.end())
                << toUtf8Lossy(action);
    }
}

TEST_F(TextEditingTest, TheContextMenuSendsTheCommandsToItsText) {
    text->userTypeText(u"abc");
    const auto menu = TextContextMenu::menuFor(text);
    menu->update();
    const auto selectAll = menu->itemWithTitle(u"Select All");
    ASSERT_TRUE(selectAll);
    EXPECT_FALSE(menu->itemWithTitle(u"Copy")->isEnabled());
    window->makeFirstResponder(nullptr);
    selectAll->userChoose();
    EXPECT_EQ(text->selectedRange(), (Range{0, 3}));
    menu->update();
    EXPECT_TRUE(menu->itemWithTitle(u"Copy")->isEnabled());
}

} // namespace

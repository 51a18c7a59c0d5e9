#include "GuiTest.h"
#include "gui/SpellCheckHighlighter.h"
#include "gui/SpellingMenu.h"
#include "platform/text/SpellChecker.h"
#include "platform/ui/CountingTextDelegate.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

using namespace platform;

namespace {

// The underlined ranges of the block at a position: start and length.
std::vector<std::pair<int, int>> underlines(QTextEdit& edit, int position) {
    std::vector<std::pair<int, int>> ranges;
    const QTextBlock block = edit.document()->findBlock(position);
    for (const auto& range : block.layout()->formats()) {
        EXPECT_EQ(range.format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
        ranges.emplace_back(block.position() + range.start, range.length);
    }
    return ranges;
}

// The menu's items, "|" between them; a disabled one in brackets.
std::string titles(const QMenu& menu) {
    QStringList list;
    for (const QAction* action : menu.actions())
        list << (action->isSeparator() ? QStringLiteral("--")
                 : action->isEnabled() ? action->text()
                                       : QStringLiteral("(%1)").arg(action->text()));
    return list.join(u'|').toStdString();
}

QAction* actionTitled(const QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions())
        if (action->text() == title)
            return action;
    return nullptr;
}

// A body text view checked with the tiny dictionary of the test data.
class SpellCheckTest : public guitest::GuiTest {
protected:
    SpellCheckTest() {
        const std::string folder = std::string(SEALSCRIBE_TEST_DATA) + "/spelling/";
        environment.text().spellChecker.set(std::make_shared<SpellChecker>(
            SpellDictionary{folder + "tiny.aff", folder + "tiny.dic"}));
        textView->setContinuousSpellCheckingEnabled(true);
        textView->setDelegate(delegate);
        scrollView->setDocumentView(textView);
    }

    std::shared_ptr<TextView> textView = std::make_shared<TextView>();
    std::shared_ptr<ScrollView> scrollView = std::make_shared<ScrollView>();
    std::shared_ptr<uitest::CountingTextDelegate> delegate =
        std::make_shared<uitest::CountingTextDelegate>();
};

TEST_F(SpellCheckTest, UnderlinesAfterTheEditOffersGuessesAndIgnoresForTheSession) {
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    auto* spelling = edit->findChild<gui::SpellCheckHighlighter*>();
    ASSERT_NE(spelling, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, "Helo wrld");
    ASSERT_EQ(textView->string(), u"Helo wrld");
    // The keystrokes checked nothing.
    EXPECT_TRUE(underlines(*edit, 0).empty());

    int documentChanges = 0;
    QObject::connect(edit->document(), &QTextDocument::contentsChange,
                     [&](int, int, int) { ++documentChanges; });
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{0, 4}, {5, 4}}));
    // The new layout is no edit: the binding, which would show the model's text again
    // (and drop the layout), never hears of it.
    EXPECT_EQ(documentChanges, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(underlines(*edit, 0).size(), 2u);

    // The menu of a misspelled word (its end included) starts with the guesses.
    QMenu menu;
    gui::SpellingMenu::addItems(menu, *spelling, textView, 4);
    ASSERT_GE(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions().front()->text(), "Hello");
    EXPECT_TRUE(titles(menu).ends_with("|&Ignore Spelling|--")) << titles(menu);
    const int changesBefore = delegate->changes;
    menu.actions().front()->trigger();
    EXPECT_EQ(textView->string(), u"Hello wrld");
    EXPECT_EQ(edit->document()->toPlainText(), "Hello wrld");
    EXPECT_GT(delegate->changes, changesBefore);
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{6, 4}}));
    QMenu correct;
    gui::SpellingMenu::addItems(correct, *spelling, textView, 2);
    EXPECT_TRUE(correct.isEmpty());

    // Ignoring drops the word's underlines at once, and a later check leaves it alone.
    QMenu ignoring;
    gui::SpellingMenu::addItems(ignoring, *spelling, textView, 7);
    QAction* ignore = actionTitled(ignoring, "&Ignore Spelling");
    ASSERT_NE(ignore, nullptr);
    ignore->trigger();
    EXPECT_TRUE(underlines(*edit, 0).empty());
    textView->setSelectedRange({10, 0});
    QTest::keyClicks(edit, " wrld zzz");
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{16, 3}}));
    QMenu noGuess;
    gui::SpellingMenu::addItems(noGuess, *spelling, textView, 17);
    EXPECT_EQ(titles(noGuess), "(No Guesses Found)|&Ignore Spelling|--");

    // Turning the option off removes the underlines and checks no more.
    textView->setContinuousSpellCheckingEnabled(false);
    EXPECT_TRUE(underlines(*edit, 0).empty());
    QTest::keyClicks(edit, " Helo");
    spelling->checkNow();
    EXPECT_TRUE(underlines(*edit, 0).empty());
    QMenu off;
    gui::SpellingMenu::addItems(off, *spelling, textView, 21);
    EXPECT_TRUE(off.isEmpty());
    textView->setContinuousSpellCheckingEnabled(true);
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{16, 3}, {20, 4}}));
}

// An edit moves the underlines after it in its paragraph and drops those it touches until
// the check; other paragraphs keep theirs.
TEST_F(SpellCheckTest, EditsKeepTheUnderlinesTheyDoNotTouch) {
    textView->textStorage()->setAttributedString(AttributedString(u"wrld hello zzz\nHelo"));
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    auto* spelling = edit->findChild<gui::SpellCheckHighlighter*>();
    spelling->checkNow();
    ASSERT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{0, 4}, {11, 3}}));
    textView->replaceCharactersInRange({5, 0}, u"a ");
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{0, 4}, {13, 3}}));
    textView->replaceCharactersInRange({4, 0}, u"s");
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{14, 3}}));
    textView->replaceCharactersInRange({7, 0}, u"\n");
    EXPECT_TRUE(underlines(*edit, 0).empty());
    EXPECT_TRUE(underlines(*edit, 8).empty());
    EXPECT_EQ(underlines(*edit, 20), (std::vector<std::pair<int, int>>{{19, 4}}));
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, 0), (std::vector<std::pair<int, int>>{{0, 5}}));
    EXPECT_EQ(underlines(*edit, 8), (std::vector<std::pair<int, int>>{{15, 3}}));
}

} // namespace

namespace {

// A part of a long text that the user scrolls to is checked once shown, the paragraph
// layout's lazy layout notwithstanding.
TEST_F(SpellCheckTest, APartScrolledToIsChecked) {
    String text;
    for (int line = 0; line < 400; ++line)
        text += u"Hello world\n";
    text += u"wrld";
    textView->replaceCharactersInRange({0, 0}, text);
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    auto* spelling = edit->findChild<gui::SpellCheckHighlighter*>();
    ASSERT_NE(spelling, nullptr);
    spelling->checkNow();
    const int last = static_cast<int>(text.size()) - 2;
    EXPECT_TRUE(underlines(*edit, last).empty());
    ASSERT_TRUE(waitUntil([&] { return edit->verticalScrollBar()->maximum() > 0; }));
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    spelling->checkNow();
    EXPECT_EQ(underlines(*edit, last).size(), 1u);
}

} // namespace

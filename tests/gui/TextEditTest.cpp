#include "GuiTest.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <array>

using namespace platform;

namespace {

class TextEditTest : public guitest::GuiTest {
protected:
    TextEditTest() {
        TextAttributes bold;
        bold.font = Font(u"Nimbus Sans", 14, true);
        TextAttributes centred;
        centred.font = Font(u"Nimbus Sans", 12);
        centred.underline = true;
        auto style = std::make_shared<ParagraphStyle>();
        style->alignment = TextAlignment::Center;
        centred.paragraphStyle = style;
        AttributedString body(u"Dear", bold);
        body.append(u" diary\nSecond", std::make_shared<const TextAttributes>(centred));
        textView->textStorage()->setAttributedString(body);
        scrollView->setDocumentView(textView);
    }

    // The edits the widget's document went through: position, removed, added.
    std::vector<std::array<int, 3>> changes;
    std::shared_ptr<TextView> textView = std::make_shared<TextView>();
    std::shared_ptr<ScrollView> scrollView = std::make_shared<ScrollView>();
};

TEST_F(TextEditTest, ShowsTheStylesAndFollowsEachEditBothWays) {
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    QTextDocument* document = edit->document();
    EXPECT_EQ(document->toPlainText(), "Dear diary\nSecond");
    QTextCursor probe(document);
    probe.setPosition(2);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(probe.charFormat().fontPointSize(), 14);
    probe.setPosition(14);
    EXPECT_TRUE(probe.charFormat().fontUnderline());
    EXPECT_EQ(document->findBlock(14).blockFormat().alignment(), Qt::AlignHCenter);
    QObject::connect(document, &QTextDocument::contentsChange,
                     [this](int at, int removed, int added) {
                         changes.push_back({at, removed, added});
                     });

    // Typing goes to the model, and comes back as that keystroke only.
    edit->setFocus();
    textView->setSelectedRange({17, 0});
    QTest::keyClicks(edit, "!");
    EXPECT_EQ(textView->string(), u"Dear diary\nSecond!");
    EXPECT_EQ(document->toPlainText(), "Dear diary\nSecond!");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (std::array<int, 3>{17, 0, 1}));
    EXPECT_EQ(edit->textCursor().position(), 18);

    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(textView->string(), u"Dear diary\nSecond");
    EXPECT_EQ(textView->selectedRange(), (Range{16, 1}));
    QTest::keyClicks(edit, "D");
    EXPECT_EQ(textView->string(), u"Dear diary\nSeconD");

    // The program's edit of the model shows where it happened.
    textView->replaceCharactersInRange({0, 4}, u"My");
    EXPECT_EQ(document->toPlainText(), "My diary\nSeconD");
    EXPECT_EQ(changes.back()[0], 0);

    // A text the user may not edit takes no typing.
    textView->setEditable(false);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(textView->string(), u"My diary\nSeconD");
    EXPECT_EQ(document->toPlainText(), "My diary\nSeconD");
}

// Where a click and the line keys go is the layout's answer; the model takes it.
TEST_F(TextEditTest, AClickAndTheLineKeysMoveTheSelection) {
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTextCursor target(edit->document());
    target.setPosition(14);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->cursorRect(target).center());
    EXPECT_EQ(textView->selectedRange(), (Range{14, 0}));

    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_LT(textView->selectedRange().location, 11u);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(textView->selectedRange(), (Range{14, 0}));
}

// The scroll bar that a new width makes appear must stay: the text is laid out anew at the
// narrower width, and its height meanwhile is the one it had.
TEST_F(TextEditTest, ATallTextKeepsItsScrollRange) {
    String tall;
    for (int line = 0; line < 60; ++line)
        tall += u"A paragraph of a tall text.\n";
    textView->replaceCharactersInRange({0, 0}, tall);
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    const auto scrollRange = [edit] {
        return static_cast<int>(edit->document()->documentLayout()->documentSize().height()) -
               edit->viewport()->height();
    };
    EXPECT_TRUE(waitUntil([&] {
        return edit->verticalScrollBar()->isVisible() &&
               edit->verticalScrollBar()->maximum() == scrollRange();
    }));
    const int settled = edit->verticalScrollBar()->maximum();
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->verticalScrollBar()->maximum(), settled);
    EXPECT_GT(settled, 0);
}

} // namespace

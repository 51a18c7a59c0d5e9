#include "GuiTest.h"
#include "gui/RulerWidget.h"
#include "platform/ui/CountingTextDelegate.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QAbstractButton>
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

ParagraphStyle styleAt(const TextView& view, std::size_t index) {
    const auto& style = view.textStorage()->attributedString().attributesAt(index).paragraphStyle;
    return style ? *style : ParagraphStyle();
}

TEST_F(TextEditTest, TheRulerShowsAndChangesTheSelectedParagraph) {
    using Part = gui::RulerDrag::Part;
    const auto delegate = std::make_shared<uitest::CountingTextDelegate>();
    textView->setDelegate(delegate);
    const auto window = shownWindow(scrollView);
    auto* edit = controlOf<QTextEdit>(widgetOf(*window), textView);
    ASSERT_NE(edit, nullptr);
    auto* ruler = edit->findChild<gui::RulerWidget*>();
    ASSERT_NE(ruler, nullptr);
    EXPECT_FALSE(ruler->isVisible());
    textView->setRulerVisible(true);
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_EQ(ruler->geometry().bottom() + 1, edit->viewport()->geometry().top());
    textView->setUsesRuler(false);
    EXPECT_FALSE(ruler->isVisible());
    EXPECT_EQ(edit->viewport()->geometry().top(), edit->frameWidth());
    textView->setUsesRuler(true);
    ASSERT_TRUE(ruler->isVisible());

    // The second paragraph is centred; the ruler follows the selection into it.
    const Range second{11, 6};
    textView->setSelectedRange({2, 0});
    EXPECT_TRUE(ruler->alignmentButton(TextAlignment::Left)->isChecked());
    textView->setSelectedRange({13, 0});
    EXPECT_TRUE(ruler->alignmentButton(TextAlignment::Center)->isChecked());
    ruler->alignmentButton(TextAlignment::Left)->click();
    EXPECT_EQ(styleAt(*textView, second.location).alignment, TextAlignment::Left);
    EXPECT_EQ(delegate->changes, 1);

    // A drag is one change, when it ends; the marker then stands where the text begins.
    const QPoint from = ruler->pointOf(Part::LeftIndent);
    QTest::mousePress(ruler, Qt::LeftButton, {}, from);
    QTest::mouseMove(ruler, from + QPoint(20, 0));
    QTest::mouseMove(ruler, from + QPoint(36, 0));
    EXPECT_EQ(delegate->changes, 1);
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, from + QPoint(36, 0));
    EXPECT_EQ(delegate->changes, 2);
    EXPECT_EQ(styleAt(*textView, second.end() - 1).leftIndent, 36 * 20);
    EXPECT_EQ(styleAt(*textView, 0).leftIndent, 0);
    QTextCursor start(edit->document());
    start.setPosition(static_cast<int>(second.location));
    EXPECT_EQ(edit->cursorRect(start).x(), ruler->pointOf(Part::LeftIndent).x());

    // A click on the scale sets a tab stop; one taken off the ruler is gone.
    QTest::mouseClick(ruler, Qt::LeftButton, {}, ruler->pointOnScale(2880));
    EXPECT_EQ(styleAt(*textView, second.location).tabStops, (std::vector<std::int32_t>{2880}));
    EXPECT_EQ(delegate->changes, 3);
    textView->replaceCharactersInRange({12, 0}, u"\t");
    QTextCursor afterTab(edit->document());
    afterTab.setPosition(13);
    EXPECT_EQ(edit->cursorRect(afterTab).x(), ruler->pointOf(Part::TabStop).x());
    const QPoint tab = ruler->pointOf(Part::TabStop);
    QTest::mousePress(ruler, Qt::LeftButton, {}, tab);
    QTest::mouseMove(ruler, tab + QPoint(0, 60));
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, tab + QPoint(0, 60));
    EXPECT_TRUE(styleAt(*textView, second.location).tabStops.empty());
    EXPECT_EQ(delegate->changes, 4);
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

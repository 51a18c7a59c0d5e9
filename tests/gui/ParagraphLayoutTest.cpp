#include "gui/ParagraphLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Paragraphs of several lines, with the margins, indents and alignments a body has.
std::unique_ptr<QTextDocument> body() {
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    const QString words = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    for (int paragraph = 0; paragraph < 12; ++paragraph) {
        if (paragraph > 0)
            cursor.insertBlock();
        QTextBlockFormat format;
        format.setAlignment(paragraph % 3 == 1 ? Qt::AlignHCenter : Qt::AlignLeft);
        format.setLeftMargin(paragraph % 4 * 6.0);
        format.setTextIndent(paragraph % 2 * 12.0);
        format.setTopMargin(paragraph % 5 * 3.0);
        format.setBottomMargin(paragraph % 3 * 4.0);
        cursor.setBlockFormat(format);
        QTextCharFormat characters;
        characters.setFontPointSize(paragraph % 3 == 2 ? 18 : 12);
        cursor.insertText(words.repeated(paragraph % 4 + 1), characters);
    }
    return document;
}

void useLayout(QTextDocument& document) {
    document.setDocumentLayout(new gui::ParagraphLayout(&document));
    document.setPageSize(QSizeF(320, -1));
}

// The layout's rectangle of every paragraph, laying out everything.
std::vector<QRectF> paragraphRects(const QTextDocument& document) {
    std::vector<QRectF> rects;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        rects.push_back(document.documentLayout()->blockBoundingRect(block));
    return rects;
}

class ParagraphLayoutTest : public testing::Test {
protected:
    ParagraphLayoutTest() { useLayout(*document); }

    // What a layout that never saw the edits makes of the same text.
    [[nodiscard]] std::vector<QRectF> freshRects() const {
        const std::unique_ptr<QTextDocument> fresh(document->clone());
        useLayout(*fresh);
        return paragraphRects(*fresh);
    }

    std::unique_ptr<QTextDocument> document = body();
};

// Qt's own layout is the reference for where paragraphs go.
TEST_F(ParagraphLayoutTest, PlacesParagraphsAsQtsOwnLayout) {
    const std::unique_ptr<QTextDocument> reference(document->clone());
    reference->setPageSize(QSizeF(320, -1));
    const std::vector<QRectF> expected = paragraphRects(*reference);
    const std::vector<QRectF> actual = paragraphRects(*document);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_NEAR(actual[index].top(), expected[index].top(), 0.5) << "paragraph " << index;
        EXPECT_NEAR(actual[index].left(), expected[index].left(), 0.5) << "paragraph " << index;
        EXPECT_NEAR(actual[index].height(), expected[index].height(), 0.5) << "paragraph " << index;
    }
    EXPECT_NEAR(document->documentLayout()->documentSize().height(),
                reference->documentLayout()->documentSize().height(), 0.5);
}

// Each edit lays out only what it touched; the result is what a layout of the whole
// text gives, whether the edit was laid out at once or after the paragraphs were.
TEST_F(ParagraphLayoutTest, AnEditLeavesTheLayoutOfTheWholeText) {
    const QString paste = QStringLiteral("pasted line\n").repeated(7000);
    const std::vector<std::pair<const char*, std::function<void(QTextCursor&)>>> edits = {
        {"a line more in the first paragraph",
         [](QTextCursor& at) { at.insertText(QStringLiteral("wrapping words ").repeated(8)); }},
        {"a new paragraph",
         [](QTextCursor& at) {
             at.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 3);
             at.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 20);
             at.insertBlock();
         }},
        {"two paragraphs joined",
         [](QTextCursor& at) {
             at.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 5);
             at.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 30);
             at.removeSelectedText();
         }},
        {"a bottom margin that moves the next paragraph",
         [](QTextCursor& at) {
             at.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 6);
             QTextBlockFormat format = at.blockFormat();
             format.setBottomMargin(40);
             at.setBlockFormat(format);
         }},
        {"a larger font",
         [](QTextCursor& at) {
             at.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 2);
             at.select(QTextCursor::BlockUnderCursor);
             QTextCharFormat format;
             format.setFontPointSize(30);
             at.mergeCharFormat(format);
         }},
        {"a paste too long to lay out at once",
         [&paste](QTextCursor& at) {
             at.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 4);
             at.insertText(paste);
         }},
        {"everything but the last paragraph deleted",
         [](QTextCursor& at) {
             at.movePosition(QTextCursor::End);
             at.movePosition(QTextCursor::StartOfBlock);
             at.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
             at.removeSelectedText();
         }},
    };
    for (const auto& [name, edit] : edits) {
        for (const bool laidOutBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << name << (laidOutBefore ? ", laid out" : ""));
            const std::unique_ptr<QTextDocument> edited(document->clone());
            useLayout(*edited);
            if (laidOutBefore)
                static_cast<void>(paragraphRects(*edited));
            QTextCursor cursor(edited.get());
            edit(cursor);
            const std::unique_ptr<QTextDocument> fresh(edited->clone());
            useLayout(*fresh);
            EXPECT_EQ(paragraphRects(*edited), paragraphRects(*fresh));
            EXPECT_EQ(edited->documentLayout()->documentSize(),
                      fresh->documentLayout()->documentSize());
        }
    }
}

TEST_F(ParagraphLayoutTest, HitsThePositionUnderAPoint) {
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const QTextBlock third = document->findBlockByNumber(2);
    const QRectF rect = layout->blockBoundingRect(third);
    const QTextLine firstLine = third.layout()->lineAt(0);
    const QPointF lineStart = rect.topLeft() + firstLine.naturalTextRect().topLeft();
    EXPECT_EQ(layout->hitTest(lineStart + QPointF(0.5, 2), Qt::FuzzyHit), third.position());
    EXPECT_EQ(layout->hitTest(lineStart + QPointF(0.5, 2), Qt::ExactHit), third.position());
    // Beside the text only a fuzzy hit finds it.
    EXPECT_EQ(layout->hitTest(QPointF(-20, lineStart.y() + 2), Qt::ExactHit), -1);
    EXPECT_EQ(layout->hitTest(QPointF(-20, lineStart.y() + 2), Qt::FuzzyHit), third.position());
    // Below the text: its end.
    const double below = layout->documentSize().height() + 100;
    EXPECT_EQ(layout->hitTest(QPointF(10, below), Qt::FuzzyHit), document->characterCount() - 1);
    EXPECT_EQ(layout->hitTest(QPointF(10, -100), Qt::FuzzyHit), 0);
}

} // namespace

#include "gui/ParagraphPainter.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace gui {
namespace {

QList<QTextLayout::FormatRange>
selectionsIn(const QTextBlock& block, const QAbstractTextDocumentLayout::PaintContext& context) {
    QList<QTextLayout::FormatRange> ranges;
    const int start = block.position();
    const int length = block.length();
    for (const auto& selection : context.selections) {
        const int from = selection.cursor.selectionStart() - start;
        const int to = selection.cursor.selectionEnd() - start;
        if (from < length && to > 0 && to > from) {
            ranges.append({from, to - from, selection.format});
        } else if (!selection.cursor.hasSelection() &&
                   selection.format.hasProperty(QTextFormat::FullWidthSelection) &&
                   block.contains(selection.cursor.position())) {
            // A full width selection marks the line of its position.
            const QTextLine line =
                block.layout()->lineForTextPosition(selection.cursor.position() - start);
            QTextLayout::FormatRange range{line.textStart(), line.textLength(), selection.format};
            if (range.start + range.length == length - 1)
                ++range.length;
            ranges.append(range);
        }
    }
    return ranges;
}

void drawBackground(QPainter& painter, const QTextBlock& block, double width) {
    const QTextBlockFormat format = block.blockFormat();
    const QBrush background = format.background();
    if (background.style() == Qt::NoBrush)
        return;
    const QTextLayout& layout = *block.layout();
    painter.fillRect(QRectF(layout.position() + QPointF(format.leftMargin(), 0),
                            QSizeF(width - format.leftMargin() - format.rightMargin(),
                                   layout.boundingRect().height())),
                     background);
}

} // namespace

void ParagraphPainter::draw(QPainter& painter,
                            const QAbstractTextDocumentLayout::PaintContext& context,
                            const QTextBlock& block, double width, int cursorWidth) {
    drawBackground(painter, block, width);
    const QTextLayout& layout = *block.layout();
    const QPen pen = painter.pen();
    // Characters without a colour of their own take the text colour.
    painter.setPen(context.palette.color(QPalette::Text));
    layout.draw(&painter, QPointF(), selectionsIn(block, context), context.clip);
    // Below -1 the cursor is within the input method's preedit text.
    const int cursor = context.cursorPosition;
    const bool inPreedit = cursor < -1 && !layout.preeditAreaText().isEmpty();
    if (block.contains(cursor) || inPreedit) {
        const int at =
            inPreedit ? layout.preeditAreaPosition() - (cursor + 2) : cursor - block.position();
        layout.drawCursor(&painter, QPointF(), at, cursorWidth);
    }
    painter.setPen(pen);
}

} // namespace gui

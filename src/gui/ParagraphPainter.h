#pragma once

#include <QAbstractTextDocumentLayout>

class QPainter;
class QTextBlock;

namespace gui {

// Draws a laid-out paragraph as Qt's own document layout does: its background within its
// margins, its lines with the paint context's selections, and the cursor when it is in the
// paragraph.
class ParagraphPainter {
public:
    // `width` is the page's between its margins.
    static void draw(QPainter& painter, const QAbstractTextDocumentLayout::PaintContext& context,
                     const QTextBlock& block, double width, int cursorWidth);
};

} // namespace gui

#pragma once

#include <QPointF>
#include <Qt>

class QPaintDevice;
class QTextBlock;

namespace gui {

// A paragraph's lines as Qt's own document layout makes them: at the width between the
// page's margins and the paragraph's, in the paragraph's direction and alignment, with its
// indents and line heights. Line positions are relative to the paragraph's QTextLayout.
class ParagraphLines {
public:
    struct Extent {
        double gap = 0; // above the paragraph
        double height = 0;
        double width = 0; // of its widest line, its margins included
    };

    // The paint device's resolution to the screen's, by which margins, line heights and
    // images are scaled.
    [[nodiscard]] static double deviceScale(const QPaintDevice* device);

    // An invisible paragraph takes no space.
    [[nodiscard]] static Extent layOut(const QTextBlock& block, double scale);
    // The larger of the paragraph's top margin and the bottom margin of the one before.
    [[nodiscard]] static double gapBefore(const QTextBlock& block, double scale);

    // The offset in the paragraph of a point relative to its layout, as Qt's own layout
    // answers: above its text its start, below its text its end (past its last character),
    // between two lines the start of the lower. `exact` tells whether the point is on the
    // text of a line.
    [[nodiscard]] static int offsetAt(const QTextBlock& block, QPointF point,
                                      Qt::HitTestAccuracy accuracy, bool& exact);
};

} // namespace gui

#include "gui/ParagraphLines.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace gui {
namespace {

// Qt's line heights, from the paragraph's line height setting.
struct LineHeights {
    double height;     // to the next line
    double bottom;     // of this line
    double adjustment; // of its position
};

LineHeights lineHeights(const QTextBlockFormat& format, const QTextLine& line, double scale) {
    const double single = std::ceil(line.ascent() + line.descent() + line.leading());
    LineHeights heights{format.lineHeight(single, scale), format.lineHeight(line.height(), scale),
                        0};
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
        heights.adjustment =
            line.ascent() + std::max(line.leading(), qreal(0)) - heights.height * 4 / 5;
    else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
        heights.adjustment = line.height() - heights.height;
    return heights;
}

QTextOption optionOf(const QTextBlock& block, const QTextBlockFormat& format) {
    const QTextDocument& document = *block.document();
    const Qt::LayoutDirection direction = block.textDirection();
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(direction);
    option.setTabs(format.tabPositions());
    const Qt::Alignment alignment =
        format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
    option.setAlignment(QStyle::visualAlignment(direction, alignment));
    if (format.nonBreakableLines() || document.pageSize().width() < 0)
        option.setWrapMode(QTextOption::ManualWrap);
    return option;
}

} // namespace

double ParagraphLines::deviceScale(const QPaintDevice* device) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!device || !screen)
        return 1;
    return device->logicalDpiY() / double(qRound(screen->logicalDotsPerInchY()));
}

ParagraphLines::Extent ParagraphLines::layOut(const QTextBlock& block, double scale) {
    Extent extent;
    if (!block.isVisible())
        return extent;
    extent.gap = gapBefore(block, scale);
    const QTextDocument& document = *block.document();
    const QTextBlockFormat format = block.blockFormat();
    QTextLayout& layout = *block.layout();
    const QTextOption option = optionOf(block, format);
    layout.setTextOption(option);

    const double indent = format.indent() * document.indentWidth() * scale;
    const bool leftToRight = option.textDirection() != Qt::RightToLeft;
    const double left = format.leftMargin() + (leftToRight ? indent : 0);
    const double right = format.rightMargin() + (leftToRight ? 0 : indent);
    const double available =
        document.pageSize().width() - 2 * document.documentMargin() - left - right;
    double y = 0;
    double bottom = 0;
    layout.beginLayout();
    for (bool firstLine = true;; firstLine = false) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        const double textIndent = firstLine ? format.textIndent() : 0;
        line.setLineWidth(available - textIndent);
        const double x = left + (leftToRight ? textIndent : 0);
        const LineHeights heights = lineHeights(format, line, scale);
        line.setPosition(QPointF(x, y - heights.adjustment));
        bottom = y + heights.bottom;
        y += heights.height;
        extent.width = std::max(extent.width, x + line.naturalTextWidth() + right);
    }
    layout.endLayout();
    extent.height = std::max(y, bottom);
    return extent;
}

double ParagraphLines::gapBefore(const QTextBlock& block, double scale) {
    const QTextBlock previous = block.previous();
    if (!previous.isValid())
        return 0;
    return std::max(block.blockFormat().topMargin(), previous.blockFormat().bottomMargin()) * scale;
}

int ParagraphLines::offsetAt(const QTextBlock& block, QPointF point, Qt::HitTestAccuracy accuracy,
                             bool& exact) {
    exact = false;
    const QTextLayout& layout = *block.layout();
    const QRectF text = layout.boundingRect();
    if (point.y() < text.top())
        return 0;
    if (point.y() > text.bottom())
        return block.length();
    int offset = 0;
    for (int number = 0; number < layout.lineCount(); ++number) {
        const QTextLine line = layout.lineAt(number);
        const QRectF rect = line.naturalTextRect();
        if (rect.top() > point.y()) {
            offset = std::min(offset, line.textStart());
        } else if (rect.bottom() <= point.y()) {
            offset = std::max(offset, line.textStart() + line.textLength());
        } else {
            exact = rect.left() <= point.x() && rect.right() >= point.x();
            // An exact hit, for a link, takes the character under the point.
            return line.xToCursor(point.x(), accuracy == Qt::ExactHit
                                                 ? QTextLine::CursorOnCharacter
                                                 : QTextLine::CursorBetweenCharacters);
        }
    }
    return offset;
}

} // namespace gui

#include "gui/RulerWidget.h"

#include "gui/TextFormats.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <array>
#include <cmath>
#include <cstdlib>

namespace gui {
namespace {

using Part = RulerDrag::Part;

constexpr int buttonSize = 22;
constexpr int buttonRow = buttonSize + 4;
constexpr int scaleHeight = 22;
constexpr int markerHalfWidth = 5;
constexpr int markerHeight = 7;
// How far past the ruler a tab stop must be taken to remove it.
constexpr int offRulerDistance = 12;

struct AlignmentButton {
    platform::TextAlignment alignment;
    const char* themeIcon;
    const char* toolTip;
};

constexpr std::array alignmentButtons = {
    AlignmentButton{platform::TextAlignment::Left, "format-justify-left", "Align Left"},
    AlignmentButton{platform::TextAlignment::Center, "format-justify-center", "Center"},
    AlignmentButton{platform::TextAlignment::Right, "format-justify-right", "Align Right"},
    AlignmentButton{platform::TextAlignment::Justified, "format-justify-fill", "Justify"},
};

// Lines of text as the alignment sets them, for a desktop without the theme's icons.
QIcon drawnIcon(platform::TextAlignment alignment, const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(color, 1.5));
    for (int line = 0; line < 4; ++line) {
        const int y = 3 + line * 3;
        const bool shortLine = line % 2 == 1 && alignment != platform::TextAlignment::Justified;
        const int length = shortLine ? 8 : 14;
        int x = 1;
        if (shortLine && alignment == platform::TextAlignment::Center)
            x = 1 + (14 - length) / 2;
        else if (shortLine && alignment == platform::TextAlignment::Right)
            x = 15 - length;
        painter.drawLine(QPointF(x, y), QPointF(x + length, y));
    }
    return QIcon(pixmap);
}

// A triangle with its base on `baseY`, pointing towards `tipY`.
QPainterPath triangle(double x, double baseY, double tipY) {
    QPainterPath path;
    path.moveTo(x - markerHalfWidth, baseY);
    path.lineTo(x + markerHalfWidth, baseY);
    path.lineTo(x, tipY);
    path.closeSubpath();
    return path;
}

} // namespace

RulerWidget::RulerWidget(QTextEdit* text, RulerUnit unit, QWidget* parent)
    : QWidget(parent), text_(text), unit_(unit), alignments_(new QButtonGroup(this)) {
    setAutoFillBackground(true);
    addAlignmentButtons();
    // A new width of the text comes with a new width of the ruler.
    connect(text->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
}

void RulerWidget::addAlignmentButtons() {
    const QColor color = palette().color(QPalette::ButtonText);
    int x = 4;
    for (const auto& [alignment, themeIcon, toolTip] : alignmentButtons) {
        auto* button = new QToolButton(this);
        button->setIcon(
            QIcon::fromTheme(QString::fromLatin1(themeIcon), drawnIcon(alignment, color)));
        button->setToolTip(tr(toolTip));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x, 2, buttonSize, buttonSize);
        alignments_->addButton(button, static_cast<int>(alignment));
        x += buttonSize + 2;
    }
    connect(alignments_, &QButtonGroup::idClicked, this,
            [this](int id) { emit alignmentChosen(static_cast<platform::TextAlignment>(id)); });
}

void RulerWidget::setParagraphStyle(const platform::ParagraphStyle& style) {
    style_ = style;
    if (QAbstractButton* button = alignmentButton(style.alignment))
        button->setChecked(true);
    update();
}

QSize RulerWidget::sizeHint() const {
    return {buttonRow * 4, buttonRow + scaleHeight};
}

QAbstractButton* RulerWidget::alignmentButton(platform::TextAlignment alignment) const {
    return alignments_->button(static_cast<int>(alignment));
}

double RulerWidget::leftMargin() const {
    if (!text_)
        return 0;
    return text_->document()->documentMargin() - text_->horizontalScrollBar()->value();
}

std::int32_t RulerWidget::textWidth() const {
    if (!text_)
        return 0;
    const QTextDocument* document = text_->document();
    const double page =
        document->textWidth() > 0 ? document->textWidth() : text_->viewport()->width();
    return TextFormats::twipsFromPixels(page - 2 * document->documentMargin());
}

double RulerWidget::xOf(std::int32_t position) const {
    return leftMargin() + TextFormats::pixelsFromTwips(position);
}

std::int32_t RulerWidget::positionAt(double x) const {
    return TextFormats::twipsFromPixels(x - leftMargin());
}

QRect RulerWidget::scaleArea() const {
    return {0, buttonRow, width(), scaleHeight};
}

QPoint RulerWidget::pointOf(Part part, std::size_t tab) const {
    const QRect scale = scaleArea();
    const int x =
        static_cast<int>(std::lround(xOf(RulerDrag::positionOf(style_, textWidth(), part, tab))));
    return {x, part == Part::FirstLineIndent ? scale.top() + 3 : scale.bottom() - 3};
}

QPoint RulerWidget::pointOnScale(std::int32_t position) const {
    return {static_cast<int>(std::lround(xOf(position))), scaleArea().center().y()};
}

// The indent markers come before the tab stops, which may lie under them.
std::optional<RulerDrag> RulerWidget::dragAt(QPoint point) const {
    const QRect scale = scaleArea();
    if (!scale.contains(point))
        return std::nullopt;
    const std::int32_t width = textWidth();
    const std::int32_t at = positionAt(point.x());
    const auto near = [&](Part part, std::size_t tab, double offset) {
        const double x = xOf(RulerDrag::positionOf(style_, width, part, tab)) + offset;
        return std::abs(point.x() - x) <= markerHalfWidth;
    };
    const bool upper = point.y() < scale.center().y();
    for (const Part part : {Part::FirstLineIndent, Part::LeftIndent, Part::RightIndent})
        if (upper == (part == Part::FirstLineIndent) && near(part, 0, 0))
            return RulerDrag(style_, width, part, 0, at);
    for (std::size_t tab = 0; tab < style_.tabStops.size(); ++tab)
        if (near(Part::TabStop, tab, 2))
            return RulerDrag(style_, width, Part::TabStop, tab, at);
    if (at < 0 || at > width)
        return std::nullopt;
    return RulerDrag(style_, width, Part::NewTabStop, 0, at);
}

bool RulerWidget::isOffRuler(QPoint point) const {
    return point.y() < -offRulerDistance || point.y() > height() + offRulerDistance;
}

void RulerWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !drag_)
        drag_ = dragAt(event->position().toPoint());
    if (!drag_) {
        QWidget::mousePressEvent(event);
        return;
    }
    update();
}

void RulerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_)
        return;
    const QPoint point = event->position().toPoint();
    drag_->moveTo(positionAt(point.x()), isOffRuler(point));
    update();
}

void RulerWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && drag_)
        finishDrag();
}

void RulerWidget::finishDrag() {
    const RulerDrag drag = *drag_;
    drag_.reset();
    update();
    if (!drag.changesStyle())
        return;
    const platform::ParagraphStyle& edited = drag.preview();
    switch (drag.part()) {
    case Part::FirstLineIndent:
        emit indentEdited(drag.part(), edited.firstLineIndent);
        break;
    case Part::LeftIndent:
        emit indentEdited(drag.part(), edited.leftIndent);
        break;
    case Part::RightIndent:
        emit indentEdited(drag.part(), edited.rightIndent);
        break;
    case Part::TabStop:
    case Part::NewTabStop:
        emit tabStopsEdited(edited.tabStops);
        break;
    }
}

void RulerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintScale(painter);
    paintMarkers(painter, drag_ ? drag_->preview() : style_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void RulerWidget::paintScale(QPainter& painter) const {
    const QRect scale = scaleArea().adjusted(0, 2, 0, -2);
    const std::int32_t width = textWidth();
    const QRectF text(QPointF(xOf(0), scale.top()), QPointF(xOf(width), scale.bottom()));
    painter.fillRect(text, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(text);

    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::Text));
    // Above the middle, clear of the tab stops below.
    const double middle = scale.top() + 6.5;
    for (int step = 1;; ++step) {
        const double position = step * unit_.twips / unit_.subdivisions;
        if (position > width)
            break;
        const double x = leftMargin() + TextFormats::pixelsFromTwips(position);
        if (step % unit_.subdivisions == 0) {
            const QRectF label(x - 12, middle - 6, 24, 12);
            painter.drawText(label, Qt::AlignCenter, QString::number(step / unit_.subdivisions));
            continue;
        }
        const bool half = unit_.subdivisions % 2 == 0 && step % (unit_.subdivisions / 2) == 0;
        const double reach = half ? 3 : 1.5;
        painter.drawLine(QPointF(x, middle - reach), QPointF(x, middle + reach));
    }
}

void RulerWidget::paintMarkers(QPainter& painter, const platform::ParagraphStyle& style) const {
    const QRect scale = scaleArea();
    const std::int32_t width = textWidth();
    const auto xOfPart = [&](Part part, std::size_t tab = 0) {
        return xOf(RulerDrag::positionOf(style, width, part, tab));
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(palette().color(QPalette::Dark));
    const double top = scale.top() + 0.5;
    const double bottom = scale.bottom() + 0.5;
    painter.drawPath(triangle(xOfPart(Part::FirstLineIndent), top, top + markerHeight));
    painter.drawPath(triangle(xOfPart(Part::LeftIndent), bottom, bottom - markerHeight));
    painter.drawPath(triangle(xOfPart(Part::RightIndent), bottom, bottom - markerHeight));

    painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::SolidLine, Qt::FlatCap));
    for (std::size_t tab = 0; tab < style.tabStops.size(); ++tab) {
        const double x = xOfPart(Part::TabStop, tab);
        const double foot = bottom - 2;
        painter.drawLine(QPointF(x, foot - 6), QPointF(x, foot));
        painter.drawLine(QPointF(x, foot), QPointF(x + 5, foot));
    }
}

} // namespace gui

#pragma once

#include "gui/RulerDrag.h"
#include "gui/RulerUnit.h"
#include "platform/text/ParagraphStyle.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QPainter;
class QTextEdit;

namespace gui {

// The ruler above a text: a scale in a unit from the text's left margin, the selected
// paragraph's indent markers (the right one from the right margin) and tab stops, and
// buttons for its alignment. It measures as the text's document lays out (its margin, its
// width, the horizontal scroll), so that the markers meet the text. It shows the style it
// is given; a drag shows there as it goes and is told once, when it ends.
class RulerWidget : public QWidget {
    Q_OBJECT

public:
    RulerWidget(QTextEdit* text, RulerUnit unit, QWidget* parent);

    void setParagraphStyle(const platform::ParagraphStyle& style);
    [[nodiscard]] QSize sizeHint() const override;

    // Where the user takes a marker, and where a click on the scale sets a tab stop (a
    // position in twips from the left margin).
    [[nodiscard]] QPoint pointOf(RulerDrag::Part part, std::size_t tab = 0) const;
    [[nodiscard]] QPoint pointOnScale(std::int32_t position) const;
    [[nodiscard]] QAbstractButton* alignmentButton(platform::TextAlignment alignment) const;

signals:
    // The first-line, left or right indent.
    void indentEdited(RulerDrag::Part part, std::int32_t indent);
    void tabStopsEdited(const std::vector<std::int32_t>& positions);
    void alignmentChosen(platform::TextAlignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] double leftMargin() const;
    [[nodiscard]] std::int32_t textWidth() const;
    [[nodiscard]] double xOf(std::int32_t position) const;
    [[nodiscard]] std::int32_t positionAt(double x) const;
    [[nodiscard]] QRect scaleArea() const;
    [[nodiscard]] std::optional<RulerDrag> dragAt(QPoint point) const;
    [[nodiscard]] bool isOffRuler(QPoint point) const;
    void paintScale(QPainter& painter) const;
    void paintMarkers(QPainter& painter, const platform::ParagraphStyle& style) const;
    void finishDrag();
    void addAlignmentButtons();

    QPointer<QTextEdit> text_;
    RulerUnit unit_;
    platform::ParagraphStyle style_;
    std::optional<RulerDrag> drag_;
    QButtonGroup* alignments_;
};

} // namespace gui

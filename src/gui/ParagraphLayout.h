#pragma once

#include "gui/HeightSums.h"

#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>
#include <QSizeF>
#include <vector>

namespace gui {

// The layout of a text edit's document, made for long texts. Qt's own layout walks every
// paragraph after an edit to move it; this one keeps the paragraphs' heights in running
// sums, so that an edit lays out only the paragraphs it touches and finds every other one
// by its height. As Qt's own, it lays out from the top only as far as is shown or asked
// for, and the rest in the background, estimating the height of what is not laid out yet.
//
// It lays out what a text view holds, as Qt's own does: paragraphs with their alignment,
// margins, indents, line heights and backgrounds, and inline images. Frames, tables and
// lists are laid out as plain paragraphs.
class ParagraphLayout : public QAbstractTextDocumentLayout {
public:
    explicit ParagraphLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    [[nodiscard]] int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    [[nodiscard]] int pageCount() const override { return 1; }
    [[nodiscard]] QSizeF documentSize() const override;
    [[nodiscard]] QRectF frameBoundingRect(QTextFrame* frame) const override;
    [[nodiscard]] QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Paragraph {
        double gap = 0; // above it: the larger of its top and the previous one's bottom margin
        double height = 0;
    };

    [[nodiscard]] bool isShown() const;
    [[nodiscard]] double margin() const;
    [[nodiscard]] double deviceScale() const;
    [[nodiscard]] int blockCount() const { return static_cast<int>(paragraphs_.size()); }

    void replaceParagraphs(int first, int oldCount, int newCount);
    [[nodiscard]] bool layOutChanged(int first, int last);
    [[nodiscard]] double heightOf(int from, int to) const;
    void place(int index, const Paragraph& paragraph) const;
    void truncate(int count) const;

    [[nodiscard]] Paragraph layOut(const QTextBlock& block, double scale) const;
    // Extend the laid-out paragraphs from the top: through `index`, as far as `y`, or for
    // so long.
    void layOutThrough(int index) const;
    void layOutUntil(double y) const;
    void layOutFor(int milliseconds);
    void continueInBackground();
    void reportSize();

    void syncSums() const;
    [[nodiscard]] double spaceTop(int index) const;
    [[nodiscard]] double topOf(int index) const;
    [[nodiscard]] int indexAt(double y) const;
    [[nodiscard]] QTextBlock placedBlock(int index) const;
    [[nodiscard]] double width() const;

    // Paragraphs [0, laidOut_) are laid out, and the sums hold their heights and zero for
    // the others.
    mutable std::vector<Paragraph> paragraphs_;
    mutable HeightSums sums_;
    mutable bool sumsStale_ = false;
    mutable int laidOut_ = 0;
    mutable double widest_ = 0;
    mutable double heightPerCharacter_ = 0;
    QBasicTimer background_;
    QSizeF reportedSize_;
};

} // namespace gui

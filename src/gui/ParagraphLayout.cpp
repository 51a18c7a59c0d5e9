#include "gui/ParagraphLayout.h"

#include "gui/ImageObjectHandler.h"
#include "gui/ParagraphLines.h"
#include "gui/ParagraphPainter.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimerEvent>
#include <algorithm>
#include <limits>

namespace gui {
namespace {

// An edit of more characters than this is laid out lazily, from its first paragraph on.
constexpr int synchronousCharacters = 64 * 1024;
// What one step of the background layout may take, so that input stays prompt.
constexpr int backgroundMilliseconds = 5;
constexpr double unbounded = std::numeric_limits<int>::max();

} // namespace

ParagraphLayout::ParagraphLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document), paragraphs_(document->blockCount()) {
    registerHandler(QTextFormat::ImageObject, new ImageObjectHandler(this));
}

// A text edit gives its document a page size once it is shown.
bool ParagraphLayout::isShown() const {
    return !document()->pageSize().isNull();
}

double ParagraphLayout::margin() const {
    return document()->documentMargin();
}

double ParagraphLayout::deviceScale() const {
    return ParagraphLines::deviceScale(paintDevice());
}

// `from` and `charsAdded` name the edit in the document as it is now; the blocks of that
// range replace as many blocks, less the change of the block count, as there were.
void ParagraphLayout::documentChanged(int from, int, int charsAdded) {
    const QTextDocument* text = document();
    const auto indexOf = [text](int position) {
        const QTextBlock block = text->findBlock(position);
        return block.isValid() ? block.blockNumber() : text->blockCount() - 1;
    };
    const int first = indexOf(from);
    const int last = indexOf(from + charsAdded);
    const int newCount = last - first + 1;
    const int oldCount = newCount - (text->blockCount() - blockCount());
    QTextBlock block = text->findBlockByNumber(first);
    for (int index = first; index <= last && block.isValid(); ++index, block = block.next())
        block.clearLayout();
    if (oldCount < 1 || first + oldCount > blockCount()) {
        // Out of step with the document: everything anew.
        paragraphs_.assign(text->blockCount(), Paragraph{});
        truncate(0);
        emit update(QRectF(0, 0, unbounded, unbounded));
    } else {
        const bool shown = isShown() && laidOut_ > first;
        const double top = shown ? spaceTop(first) : 0;
        // The paragraph after the edit is counted too: its gap may change.
        const double oldHeight = heightOf(first, first + oldCount + 1);
        replaceParagraphs(first, oldCount, newCount);
        if (shown) {
            const bool laidOut = layOutChanged(first, last);
            const double newHeight = heightOf(first, last + 2);
            const bool moved = !laidOut || oldCount != newCount || newHeight != oldHeight;
            emit update(QRectF(0, top, unbounded, moved ? unbounded : newHeight));
        }
    }
    continueInBackground();
    reportSize();
}

// Of the laid-out paragraphs in [from, to).
double ParagraphLayout::heightOf(int from, int to) const {
    double height = 0;
    for (int index = from; index < std::min(to, laidOut_); ++index)
        height += paragraphs_[index].gap + paragraphs_[index].height;
    return height;
}

// Paragraphs [first, first + oldCount) became [first, first + newCount), not laid out yet.
// The layout after them stays as it was; one that ended among them ends before them.
void ParagraphLayout::replaceParagraphs(int first, int oldCount, int newCount) {
    const auto at = paragraphs_.begin() + first;
    if (newCount > oldCount) {
        paragraphs_.insert(at + oldCount, newCount - oldCount, Paragraph{});
        sumsStale_ = true;
    } else if (newCount < oldCount) {
        paragraphs_.erase(at + newCount, at + oldCount);
        sumsStale_ = true;
    }
    if (laidOut_ >= first + oldCount)
        laidOut_ += newCount - oldCount;
    else
        truncate(first);
}

// Lays out the changed paragraphs [first, last] within the laid-out ones at once, unless
// they are many: then the layout goes on from the first of them, lazily. True when it
// laid them out.
bool ParagraphLayout::layOutChanged(int first, int last) {
    if (laidOut_ <= first)
        return false;
    const QTextBlock begin = document()->findBlockByNumber(first);
    const QTextBlock end = document()->findBlockByNumber(last);
    if (end.position() + end.length() - begin.position() > synchronousCharacters) {
        truncate(first);
        return false;
    }
    syncSums();
    const double scale = deviceScale();
    QTextBlock block = begin;
    for (int index = first; index <= last; ++index, block = block.next())
        place(index, layOut(block, scale));
    // The next paragraph's gap follows this one's bottom margin.
    if (last + 1 < laidOut_ && block.isValid()) {
        Paragraph next = paragraphs_[last + 1];
        next.gap = ParagraphLines::gapBefore(block, scale);
        place(last + 1, next);
    }
    return true;
}

void ParagraphLayout::place(int index, const Paragraph& paragraph) const {
    paragraphs_[index] = paragraph;
    sums_.set(index, paragraph.gap + paragraph.height);
}

// Forgets the layout of the paragraphs from `count` on.
void ParagraphLayout::truncate(int count) const {
    if (count >= laidOut_)
        return;
    laidOut_ = count;
    sumsStale_ = true;
    if (count == 0)
        widest_ = 0;
}

ParagraphLayout::Paragraph ParagraphLayout::layOut(const QTextBlock& block, double scale) const {
    const ParagraphLines::Extent extent = ParagraphLines::layOut(block, scale);
    widest_ = std::max(widest_, extent.width);
    return {extent.gap, extent.height};
}

void ParagraphLayout::layOutThrough(int index) const {
    if (!isShown() || index < laidOut_)
        return;
    syncSums();
    const double scale = deviceScale();
    const int through = std::min(index, blockCount() - 1);
    for (QTextBlock block = document()->findBlockByNumber(laidOut_);
         block.isValid() && laidOut_ <= through; block = block.next())
        place(laidOut_++, layOut(block, scale));
}

void ParagraphLayout::layOutUntil(double y) const {
    if (!isShown() || laidOut_ >= blockCount())
        return;
    syncSums();
    const double scale = deviceScale();
    double bottom = margin() + sums_.total();
    for (QTextBlock block = document()->findBlockByNumber(laidOut_);
         block.isValid() && laidOut_ < blockCount() && bottom <= y; block = block.next()) {
        const Paragraph paragraph = layOut(block, scale);
        bottom += paragraph.gap + paragraph.height;
        place(laidOut_++, paragraph);
    }
}

void ParagraphLayout::layOutFor(int milliseconds) {
    if (!isShown())
        return;
    QElapsedTimer clock;
    clock.start();
    syncSums();
    const double scale = deviceScale();
    for (QTextBlock block = document()->findBlockByNumber(laidOut_);
         block.isValid() && laidOut_ < blockCount() && !clock.hasExpired(milliseconds);
         block = block.next())
        place(laidOut_++, layOut(block, scale));
}

void ParagraphLayout::continueInBackground() {
    if (isShown() && laidOut_ < blockCount() && !background_.isActive())
        background_.start(0, this);
}

void ParagraphLayout::timerEvent(QTimerEvent* event) {
    if (event->timerId() != background_.timerId()) {
        QAbstractTextDocumentLayout::timerEvent(event);
        return;
    }
    layOutFor(backgroundMilliseconds);
    if (!isShown() || laidOut_ >= blockCount())
        background_.stop();
    reportSize();
}

void ParagraphLayout::reportSize() {
    const QSizeF size = documentSize();
    if (size == reportedSize_)
        return;
    reportedSize_ = size;
    emit documentSizeChanged(size);
}

void ParagraphLayout::syncSums() const {
    if (!sumsStale_ && sums_.size() == paragraphs_.size())
        return;
    std::vector<double> heights(paragraphs_.size(), 0);
    for (int index = 0; index < laidOut_; ++index)
        heights[index] = paragraphs_[index].gap + paragraphs_[index].height;
    sums_.assign(heights);
    sumsStale_ = false;
}

// Of the space a laid-out paragraph takes, its gap included.
double ParagraphLayout::spaceTop(int index) const {
    syncSums();
    return margin() + sums_.before(index);
}

// Of a laid-out paragraph's first line.
double ParagraphLayout::topOf(int index) const {
    return spaceTop(index) + paragraphs_[index].gap;
}

// The laid-out paragraph at height y, or -1.
int ParagraphLayout::indexAt(double y) const {
    if (laidOut_ == 0)
        return -1;
    syncSums();
    return std::min(static_cast<int>(sums_.indexAt(y - margin())), laidOut_ - 1);
}

// A laid-out paragraph's block, its layout at its place in the document.
QTextBlock ParagraphLayout::placedBlock(int index) const {
    const QTextBlock block = document()->findBlockByNumber(index);
    block.layout()->setPosition(QPointF(margin(), topOf(index)));
    return block;
}

double ParagraphLayout::width() const {
    return std::max(document()->pageSize().width(), widest_ + 2 * margin());
}

// What is not laid out yet is estimated at the height per character of what is, or of
// what was before it was laid out anew, so that a new width keeps the scroll bar.
QSizeF ParagraphLayout::documentSize() const {
    if (!isShown())
        return {};
    syncSums();
    const double height = sums_.total();
    const int characters = document()->characterCount();
    const int done = laidOut_ == 0             ? 0
                     : laidOut_ < blockCount() ? document()->findBlockByNumber(laidOut_).position()
                                               : characters;
    if (done > 0)
        heightPerCharacter_ = height / done;
    return {width(), height + (characters - done) * heightPerCharacter_ + 2 * margin()};
}

QRectF ParagraphLayout::frameBoundingRect(QTextFrame* frame) const {
    if (frame != document()->rootFrame())
        return {};
    return {QPointF(0, 0), documentSize()};
}

QRectF ParagraphLayout::blockBoundingRect(const QTextBlock& block) const {
    if (!block.isValid() || !block.isVisible())
        return {};
    const int index = block.blockNumber();
    layOutThrough(index);
    if (index >= laidOut_)
        return {};
    QTextLayout* layout = placedBlock(index).layout();
    QRectF rect = layout->boundingRect();
    rect.moveTopLeft(layout->position());
    return rect;
}

int ParagraphLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
    layOutUntil(point.y());
    const int index = indexAt(point.y());
    if (index < 0)
        return accuracy == Qt::ExactHit ? -1 : 0;
    const QTextBlock block = placedBlock(index);
    const QTextLayout* layout = block.layout();
    bool exact = false;
    const int position = block.position() + ParagraphLines::offsetAt(
                                                block, point - layout->position(), accuracy, exact);
    if (accuracy == Qt::ExactHit && !exact)
        return -1;
    const int lastPosition =
        document()->rootFrame()->lastPosition() + int(layout->preeditAreaText().size());
    return std::clamp(position, 0, lastPosition);
}

void ParagraphLayout::draw(QPainter* painter, const PaintContext& context) {
    if (!isShown())
        return;
    const bool clipped = context.clip.isValid();
    const double bottom = clipped ? context.clip.bottom() : unbounded;
    layOutUntil(bottom);
    int index = indexAt(clipped ? context.clip.top() : 0);
    if (index < 0)
        return;
    const int cursorWidth = property("cursorWidth").toInt();
    double top = spaceTop(index);
    for (QTextBlock block = document()->findBlockByNumber(index);
         block.isValid() && index < laidOut_ && top <= bottom; block = block.next(), ++index) {
        const Paragraph& paragraph = paragraphs_[index];
        block.layout()->setPosition(QPointF(margin(), top + paragraph.gap));
        top += paragraph.gap + paragraph.height;
        if (block.isVisible())
            ParagraphPainter::draw(*painter, context, block, width() - 2 * margin(), cursorWidth);
    }
    continueInBackground();
}

} // namespace gui

#include "gui/SpellCheckHighlighter.h"

#include "gui/QtString.h"
#include "platform/text/SpellChecker.h"
#include "platform/text/SpellingWords.h"
#include "platform/ui/TextView.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace gui {
namespace {

using FormatRanges = QList<QTextLayout::FormatRange>;

// Long enough that typing a word does not flag it letter by letter.
constexpr std::chrono::milliseconds checkDelay{300};

// The bits of a block's user state; Qt's initial -1 is neither.
constexpr int checkedBit = 1;
constexpr int underlinedBit = 2;

int stateOf(const QTextBlock& block) {
    return std::max(block.userState(), 0);
}

QTextCharFormat misspelledFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

// An edit of the block at `at` (in the block) keeps the underlines before it, and those
// after it when the edit stays inside the block; the ones it touches go until the check.
void keepUnderlinesAround(QTextBlock& block, int at, int removed, int added, bool insideBlock) {
    int state = stateOf(block) & ~checkedBit;
    if (state & underlinedBit) {
        FormatRanges kept;
        for (auto range : block.layout()->formats()) {
            if (range.start + range.length < at) {
                kept.append(range);
            } else if (insideBlock && range.start > at + removed) {
                range.start += added - removed;
                kept.append(range);
            }
        }
        // Inside the edit, whose layout Qt redoes anyway.
        block.layout()->setFormats(kept);
        if (kept.isEmpty())
            state &= ~underlinedBit;
    }
    block.setUserState(state);
}

void forgetBlock(QTextBlock& block) {
    if (stateOf(block) & underlinedBit)
        block.layout()->clearFormats();
    block.setUserState(0);
}

} // namespace

SpellCheckHighlighter::SpellCheckHighlighter(std::shared_ptr<platform::TextView> view,
                                             std::shared_ptr<platform::SpellChecker> checker,
                                             QTextEdit* edit)
    : QObject(edit), view_(std::move(view)), checker_(std::move(checker)), edit_(edit) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { checkWhenQuiet(); });
    connect(edit_->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                contentsChanged(position, removed, added);
            });
    connect(edit_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { scheduleCheck(); });
    edit_->viewport()->installEventFilter(this);
    option_ = view_->continuousSpellCheckingEnabledProperty().observe([this] { showOption(); });
    ignoredWords_ = checker_->ignoredWordsProperty().observe([this] {
        if (checking_)
            dropIgnoredWords();
    });
    showOption();
}

std::optional<SpellCheckHighlighter::Word>
SpellCheckHighlighter::misspelledWordAt(int position) const {
    const QTextBlock block = edit_->document()->findBlock(position);
    if (!checking_ || !block.isValid())
        return std::nullopt;
    const platform::String text = fromQString(block.text());
    const auto at = static_cast<std::size_t>(position - block.position());
    for (const platform::Range word : platform::SpellingWords::wordsIn(text)) {
        if (word.location > at || at > word.end())
            continue;
        const platform::String characters = text.substr(word.location, word.length);
        if (!platform::SpellingWords::isChecked(characters) || !checker_->isMisspelled(characters))
            return std::nullopt;
        const auto start = static_cast<std::size_t>(block.position()) + word.location;
        return Word{{start, word.length}, characters};
    }
    return std::nullopt;
}

void SpellCheckHighlighter::checkNow() {
    timer_.stop();
    checkNearbyBlocks();
}

bool SpellCheckHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize)
        scheduleCheck();
    return QObject::eventFilter(watched, event);
}

void SpellCheckHighlighter::showOption() {
    if (view_->isContinuousSpellCheckingEnabled() == checking_)
        return;
    if (checking_)
        stop();
    else
        start();
}

// What was checked before may have been edited since.
void SpellCheckHighlighter::start() {
    checking_ = true;
    QTextDocument* document = edit_->document();
    blockCount_ = document->blockCount();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.setUserState(0);
    scheduleCheck();
}

void SpellCheckHighlighter::stop() {
    checking_ = false;
    timer_.stop();
    for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next())
        if (stateOf(block) & underlinedBit) {
            setUnderlines(block, {});
            block.setUserState(0);
        }
}

// Within a keystroke: a few lookups, no checking.
void SpellCheckHighlighter::contentsChanged(int position, int removed, int added) {
    if (!checking_)
        return;
    QTextDocument* document = edit_->document();
    const bool sameBlockCount = document->blockCount() == blockCount_;
    blockCount_ = document->blockCount();
    // Blocks strictly between the first and the last are new.
    QTextBlock first = document->findBlock(position);
    QTextBlock last = document->findBlock(position + added);
    if (first.isValid())
        keepUnderlinesAround(first, position - first.position(), removed, added,
                             sameBlockCount && first == last);
    if (last.isValid() && last != first)
        forgetBlock(last);
    scheduleCheck();
}

// The check waits until edits, scrolls and resizes have paused for the delay.
void SpellCheckHighlighter::scheduleCheck() {
    if (!checking_)
        return;
    lastActivity_ = std::chrono::steady_clock::now();
    if (!timer_.isActive())
        timer_.start(checkDelay);
}

void SpellCheckHighlighter::checkWhenQuiet() {
    const auto quiet = std::chrono::steady_clock::now() - lastActivity_;
    if (quiet < checkDelay)
        timer_.start(std::chrono::ceil<std::chrono::milliseconds>(checkDelay - quiet));
    else
        checkNearbyBlocks();
}

// The viewport and a viewport's height above and below it, so that a short scroll shows
// checked text.
void SpellCheckHighlighter::checkNearbyBlocks() {
    if (!checking_)
        return;
    const QRect area = edit_->viewport()->rect();
    QTextBlock block = edit_->cursorForPosition({0, area.top() - area.height()}).block();
    const QTextBlock last =
        edit_->cursorForPosition({area.right(), area.bottom() + area.height()}).block();
    if (!last.isValid())
        return;
    for (; block.isValid() && block.position() <= last.position(); block = block.next())
        if (!(stateOf(block) & checkedBit))
            check(block);
}

void SpellCheckHighlighter::check(QTextBlock& block) {
    FormatRanges underlines;
    for (const platform::Range word : checker_->misspelledWords(fromQString(block.text())))
        underlines.append(
            {static_cast<int>(word.location), static_cast<int>(word.length), misspelledFormat()});
    setUnderlines(block, underlines);
    block.setUserState(checkedBit | (underlines.isEmpty() ? 0 : underlinedBit));
}

// After a word was ignored, here or in another window.
void SpellCheckHighlighter::dropIgnoredWords() {
    for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
        if (!(stateOf(block) & underlinedBit))
            continue;
        const QString text = block.text();
        FormatRanges kept;
        for (const auto& range : block.layout()->formats())
            if (checker_->isMisspelled(fromQString(text.mid(range.start, range.length))))
                kept.append(range);
        setUnderlines(block, kept);
        if (kept.isEmpty())
            block.setUserState(stateOf(block) & ~underlinedBit);
    }
}

void SpellCheckHighlighter::setUnderlines(QTextBlock& block, const FormatRanges& underlines) {
    QTextLayout* layout = block.layout();
    if (layout->formats() == underlines)
        return;
    // Only the layout changes. With the document's signals blocked, no observer of its
    // contents (the binding, which shows the model's text again after any change it did
    // not make) can take the new layout for an edit.
    QTextDocument* document = edit_->document();
    const QSignalBlocker layoutOnly(document);
    layout->setFormats(underlines);
    document->markContentsDirty(block.position(), block.length());
}

} // namespace gui

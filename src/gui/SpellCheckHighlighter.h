#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/text/Range.h"

#include <QList>
#include <QObject>
#include <QTextLayout>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

class QTextBlock;
class QTextEdit;

namespace platform {
class SpellChecker;
class TextView;
} // namespace platform

namespace gui {

// Underlines the misspelled words of a text view's edit while the view's continuous spell
// checking is on. The underlines are formats of the blocks' layouts, as a
// QSyntaxHighlighter's are, never document content: the model's storage never sees them.
//
// Checking stays out of the keystroke: an edit only marks its blocks unchecked, and a
// little after the last edit, scroll or resize the unchecked blocks in and near the
// viewport are checked, so that a large text is never checked whole. A block's user
// state records whether it is checked and whether it has underlines.
class SpellCheckHighlighter : public QObject {
    Q_OBJECT

public:
    struct Word {
        platform::Range range;
        platform::String text;
    };

    SpellCheckHighlighter(std::shared_ptr<platform::TextView> view,
                          std::shared_ptr<platform::SpellChecker> checker, QTextEdit* edit);

    [[nodiscard]] bool isChecking() const { return checking_; }
    [[nodiscard]] const std::shared_ptr<platform::SpellChecker>& checker() const {
        return checker_;
    }
    // The misspelled word at a position of the document, its end included; none while
    // checking is off.
    [[nodiscard]] std::optional<Word> misspelledWordAt(int position) const;

    // The pending check, at once.
    void checkNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showOption();
    void start();
    void stop();
    void contentsChanged(int position, int removed, int added);
    void scheduleCheck();
    void checkWhenQuiet();
    void checkNearbyBlocks();
    void check(QTextBlock& block);
    void dropIgnoredWords();
    void setUnderlines(QTextBlock& block, const QList<QTextLayout::FormatRange>& underlines);

    std::shared_ptr<platform::TextView> view_;
    std::shared_ptr<platform::SpellChecker> checker_;
    QTextEdit* edit_;
    QTimer timer_;
    std::chrono::steady_clock::time_point lastActivity_;
    int blockCount_ = 0;
    bool checking_ = false;
    platform::Observation option_;
    platform::Observation ignoredWords_;
};

} // namespace gui

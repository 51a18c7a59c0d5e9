#include "gui/TextEditBinding.h"

#include "gui/TextFormats.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

namespace gui {

TextEditBinding::TextEditBinding(std::shared_ptr<platform::Text> text, QTextEdit* widget)
    : ViewBinding(text, widget), text_(std::move(text)), edit_(widget) {
    setFocusWidget(widget);
    showWholeText();
    showEditable();
    storageEdits_ = text_->textStorage()->observeEdits(
        [this](const platform::TextChange& change) { showEdit(change); });
    observe(text_->selectedRangeProperty(), [this] { showSelection(); });
    observe(text_->editableProperty(), [this] { showEditable(); });
    connect(widget, &QTextEdit::cursorPositionChanged, this, [this] { userMovedCursor(); });
    connect(widget->document(), &QTextDocument::contentsChange, this,
            [this](int, int, int) { documentChanged(); });
}

// The document is cleared and filled in one edit, so that Qt lays the new text out once,
// as far as it is shown, rather than once for each run.
void TextEditBinding::showWholeText() {
    const QScopedValueRollback showing(showingModel_, true);
    QTextDocument* document = edit_->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    document->clear();
    // The editor's own cursor must not move with the insertion: moved back from the end, it
    // would lay the whole text out to repaint where it was. So it waits at the start, before
    // a placeholder, while the text goes in after it.
    cursor.insertText(QStringLiteral(" "));
    edit_->setTextCursor(QTextCursor(document));
    const auto& text = text_->textStorage()->attributedString();
    TextFormats::insert(cursor, text, {0, text.length()});
    QTextCursor placeholder(document);
    placeholder.setPosition(1, QTextCursor::KeepAnchor);
    placeholder.removeSelectedText();
    TextFormats::formatBlocks(cursor, text, {0, text.length()});
    cursor.endEditBlock();
    showSelection();
}

// A restyle of the whole text is shown as new content: Qt takes a text anew many times
// faster than it changes the formats of every run in place.
void TextEditBinding::showEdit(const platform::TextChange& change) {
    const auto length = text_->textStorage()->length();
    if (change.range.location == 0 && change.replacementLength == length && length > 0 &&
        (change.attributesOnly || change.range.length == 0)) {
        showWholeText();
        return;
    }
    const QScopedValueRollback showing(showingModel_, true);
    QTextCursor cursor(edit_->document());
    const auto& text = text_->textStorage()->attributedString();
    const platform::Range replaced{change.range.location, change.replacementLength};
    cursor.beginEditBlock();
    if (change.attributesOnly) {
        TextFormats::restyle(cursor, text, replaced);
    } else {
        cursor.setPosition(static_cast<int>(change.range.location));
        cursor.setPosition(static_cast<int>(change.range.end()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        TextFormats::insert(cursor, text, replaced);
    }
    TextFormats::formatBlocks(cursor, text, replaced);
    cursor.endEditBlock();
    showSelection();
}

// The selection may move before the storage tells of the edit that moved it; it is shown
// once the document has the model's length.
void TextEditBinding::showSelection() {
    QTextDocument* document = edit_->document();
    const auto length = static_cast<std::size_t>(document->characterCount() - 1);
    if (length != text_->textStorage()->length())
        return;
    const QScopedValueRollback showing(showingModel_, true);
    const platform::Range selection = text_->selectedRange();
    QTextCursor cursor = edit_->textCursor();
    // The same range stays as it is, so that a selection the user extends backwards keeps
    // its anchor.
    if (static_cast<std::size_t>(cursor.selectionStart()) == std::min(selection.location, length) &&
        static_cast<std::size_t>(cursor.selectionEnd()) == std::min(selection.end(), length))
        return;
    cursor.setPosition(static_cast<int>(std::min(selection.location, length)));
    cursor.setPosition(static_cast<int>(std::min(selection.end(), length)),
                       QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void TextEditBinding::showEditable() {
    edit_->setReadOnly(!text_->isEditable());
    edit_->setTextInteractionFlags(text_->isEditable()
                                       ? Qt::TextEditorInteraction
                                       : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TextEditBinding::userMovedCursor() {
    if (showingModel_)
        return;
    const QTextCursor cursor = edit_->textCursor();
    const auto start = static_cast<std::size_t>(cursor.selectionStart());
    const auto end = static_cast<std::size_t>(cursor.selectionEnd());
    const platform::Range selection{start, end - start};
    if (selection == text_->selectedRange())
        return;
    const auto keepAlive = text_;
    text_->userSelect(selection);
    // A selection the model refused is not kept.
    if (text_->selectedRange() != selection)
        showSelection();
}

void TextEditBinding::documentChanged() {
    if (showingModel_ || resyncPending_)
        return;
    resyncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        resyncPending_ = false;
        showWholeText();
    });
}

} // namespace gui

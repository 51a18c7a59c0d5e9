#include "gui/TextEditWidget.h"

#include "gui/ParagraphLayout.h"
#include "gui/QtString.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <array>

namespace gui {
namespace {

const QString rtfType = QStringLiteral("text/rtf");

// The keys that only move the cursor or the selection, which Qt handles.
bool movesOrSelects(QKeyEvent* event) {
    static constexpr std::array keys = {QKeySequence::MoveToNextChar,
                                        QKeySequence::MoveToPreviousChar,
                                        QKeySequence::MoveToNextWord,
                                        QKeySequence::MoveToPreviousWord,
                                        QKeySequence::MoveToNextLine,
                                        QKeySequence::MoveToPreviousLine,
                                        QKeySequence::MoveToNextPage,
                                        QKeySequence::MoveToPreviousPage,
                                        QKeySequence::MoveToStartOfLine,
                                        QKeySequence::MoveToEndOfLine,
                                        QKeySequence::MoveToStartOfBlock,
                                        QKeySequence::MoveToEndOfBlock,
                                        QKeySequence::MoveToStartOfDocument,
                                        QKeySequence::MoveToEndOfDocument,
                                        QKeySequence::SelectNextChar,
                                        QKeySequence::SelectPreviousChar,
                                        QKeySequence::SelectNextWord,
                                        QKeySequence::SelectPreviousWord,
                                        QKeySequence::SelectNextLine,
                                        QKeySequence::SelectPreviousLine,
                                        QKeySequence::SelectNextPage,
                                        QKeySequence::SelectPreviousPage,
                                        QKeySequence::SelectStartOfLine,
                                        QKeySequence::SelectEndOfLine,
                                        QKeySequence::SelectStartOfBlock,
                                        QKeySequence::SelectEndOfBlock,
                                        QKeySequence::SelectStartOfDocument,
                                        QKeySequence::SelectEndOfDocument,
                                        QKeySequence::SelectAll,
                                        QKeySequence::Copy};
    for (const auto key : keys)
        if (event->matches(key))
            return true;
    return false;
}

platform::Data bytesOf(const QByteArray& bytes) {
    return platform::Data(bytes.begin(), bytes.end());
}

// Qt's own layout moves every paragraph after an edit, which a keystroke near the top of
// a long text cannot afford. The cursor's width was a setting of the layout it replaces.
void useParagraphLayout(QTextEdit& edit) {
    const int cursorWidth = edit.cursorWidth();
    auto* layout = new ParagraphLayout(edit.document());
    layout->setPaintDevice(edit.viewport());
    edit.document()->setDocumentLayout(layout);
    edit.setCursorWidth(cursorWidth);
}

} // namespace

TextEditWidget::TextEditWidget(std::shared_ptr<platform::Text> text, QWidget* parent)
    : QTextEdit(parent), text_(std::move(text)) {
    useParagraphLayout(*this);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptRichText(true);
    // A drag inside the text would move characters behind the model's back.
    setAcceptDrops(false);
}

void TextEditWidget::keyPressEvent(QKeyEvent* event) {
    if (movesOrSelects(event)) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    if (!edit(event))
        // Unknown to the text: the window's shortcuts may take it.
        event->ignore();
}

bool TextEditWidget::edit(QKeyEvent* event) {
    const auto keepAlive = text_;
    if (event->matches(QKeySequence::Cut)) {
        copy();
        if (text_->selectedRange().length > 0)
            text_->userDeleteBackward();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        text_->userDeleteBackward();
        return true;
    case Qt::Key_Delete:
        text_->userDeleteForward();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        text_->userTypeText(u"\n");
        return true;
    default:
        break;
    }
    const auto commands = Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier;
    const QString typed = event->text();
    if (typed.isEmpty() || (event->modifiers() & commands) ||
        (!typed.front().isPrint() && typed.front() != u'\t'))
        return false;
    text_->userTypeText(fromQString(typed));
    return true;
}

void TextEditWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        const auto keepAlive = text_;
        text_->userTypeText(fromQString(event->commitString()));
    }
    event->accept();
}

bool TextEditWidget::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || source->hasFormat(rtfType);
}

void TextEditWidget::insertFromMimeData(const QMimeData* source) {
    const auto keepAlive = text_;
    if (source->hasFormat(rtfType) && text_->isRichText())
        text_->userPasteRTF(bytesOf(source->data(rtfType)));
    else if (source->hasText())
        text_->userPaste(fromQString(source->text()));
}

// The model's RTF of the selection travels beside the plain text.
QMimeData* TextEditWidget::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    const platform::Range selection = text_->selectedRange();
    mime->setText(toQString(text_->textStorage()->attributedString().substring(selection)));
    if (text_->isRichText() && selection.length > 0) {
        const platform::Data rtf = text_->RTFFromRange(selection);
        mime->setData(rtfType, QByteArray(reinterpret_cast<const char*>(rtf.data()),
                                          static_cast<qsizetype>(rtf.size())));
    }
    return mime;
}

} // namespace gui

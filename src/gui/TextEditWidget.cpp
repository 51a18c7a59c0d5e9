#include "gui/TextEditWidget.h"

#include "gui/MenuBinding.h"
#include "gui/ParagraphLayout.h"
#include "gui/QtString.h"
#include "gui/SpellCheckHighlighter.h"
#include "gui/SpellingMenu.h"
#include "platform/text/SpellChecker.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextContextMenu.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <array>

namespace gui {
namespace {

const QString rtfType = QStringLiteral("text/rtf");

// The keys that only move the cursor or the selection, which Qt handles.
bool movesOrSelects(QKeyEvent* event) {
    static constexpr std::array keys = {
        QKeySequence::MoveToNextChar,        QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord,        QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToNextLine,        QKeySequence::MoveToPreviousLine,
        QKeySequence::MoveToNextPage,        QKeySequence::MoveToPreviousPage,
        QKeySequence::MoveToStartOfLine,     QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,    QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,        QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,        QKeySequence::SelectPreviousWord,
        QKeySequence::SelectNextLine,        QKeySequence::SelectPreviousLine,
        QKeySequence::SelectNextPage,        QKeySequence::SelectPreviousPage,
        QKeySequence::SelectStartOfLine,     QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,    QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument};
    for (const auto key : keys)
        if (event->matches(key))
            return true;
    return false;
}

// The Edit menu's keys, which the text performs as its commands.
const char16_t* editCommandOf(QKeyEvent* event) {
    static constexpr std::array<std::pair<QKeySequence::StandardKey, const char16_t*>, 6> commands =
        {{{QKeySequence::Undo, u"undo:"},
          {QKeySequence::Redo, u"redo:"},
          {QKeySequence::Cut, u"cut:"},
          {QKeySequence::Copy, u"copy:"},
          {QKeySequence::Paste, u"paste:"},
          {QKeySequence::SelectAll, u"selectAll:"}}};
    for (const auto& [key, action] : commands)
        if (event->matches(key))
            return action;
    return nullptr;
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
    setAcceptRichText(true);
    // A drag inside the text would move characters behind the model's back.
    setAcceptDrops(false);
    if (const auto view = std::dynamic_pointer_cast<platform::TextView>(text_))
        spelling_ =
            new SpellCheckHighlighter(view, platform::SpellChecker::sharedSpellChecker(), this);
}

void TextEditWidget::setHeader(QWidget* header) {
    header_ = header;
    setViewportMargins(0, header ? header->sizeHint().height() : 0, 0, 0);
    placeHeader();
}

// Told of the viewport's size, which changes with the scroll bars too.
void TextEditWidget::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    placeHeader();
}

void TextEditWidget::placeHeader() {
    if (!header_)
        return;
    const QRect text = viewport()->geometry();
    const int height = viewportMargins().top();
    header_->setGeometry(text.x(), text.y() - height, text.width(), height);
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
    if (const char16_t* command = editCommandOf(event)) {
        text_->perform(command, nullptr);
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

// From the keyboard, the menu is about the insertion point.
void TextEditWidget::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QTextCursor at = fromKeyboard ? textCursor() : cursorForPosition(event->pos());
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (spelling_)
        SpellingMenu::addItems(*menu, *spelling_, text_, at.position());
    addEditCommands(*menu);
    menu->popup(fromKeyboard ? viewport()->mapToGlobal(cursorRect(at).bottomLeft())
                             : event->globalPos());
}

// The model's Edit commands for this text, validated by it as the menu opens.
void TextEditWidget::addEditCommands(QMenu& menu) {
    QMenu* commands =
        MenuBinding::menuFor(platform::TextContextMenu::menuFor(text_), QString(), &menu);
    if (auto* binding = commands->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly))
        binding->validate();
    menu.addActions(commands->actions());
}

} // namespace gui

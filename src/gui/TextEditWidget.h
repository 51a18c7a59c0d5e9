#pragma once

#include <QPointer>
#include <QTextEdit>

class QMenu;
#include <memory>

namespace platform {
class Text;
}

namespace gui {

class SpellCheckHighlighter;

// The widget of a text view. It never edits its document itself: typing, deleting and
// the Edit commands (undo, cut, copy, paste...) go to the text's user entry points and
// actions, also from its context menu, and the document changes only as the model's
// storage tells (see TextEditBinding). Moving the cursor and selecting are Qt's, and the
// binding hands the selection to the model. A text view's misspelled words are underlined
// while its spell checking is on, and the context menu offers guesses before the Edit
// commands.
class TextEditWidget : public QTextEdit {
public:
    TextEditWidget(std::shared_ptr<platform::Text> text, QWidget* parent);

    // A bar of its own children, above the text and as wide as it, such as a ruler; none
    // gives the text the whole widget again.
    void setHeader(QWidget* header);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    [[nodiscard]] bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;

private:
    [[nodiscard]] bool edit(QKeyEvent* event);
    void placeHeader();
    void addEditCommands(QMenu& menu);

    std::shared_ptr<platform::Text> text_;
    QPointer<QWidget> header_;
    SpellCheckHighlighter* spelling_ = nullptr;
};

} // namespace gui

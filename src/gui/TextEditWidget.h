#pragma once

#include <QTextEdit>
#include <memory>

namespace platform {
class Text;
}

namespace gui {

class SpellCheckHighlighter;

// The widget of a text view. It never edits its document itself: typing, deleting,
// cutting and pasting go to the text's user entry points, and the document changes only
// as the model's storage tells (see TextEditBinding). Moving the cursor and selecting are
// Qt's, and the binding hands the selection to the model. A text view's misspelled words
// are underlined while its spell checking is on, and the context menu offers guesses.
class TextEditWidget : public QTextEdit {
public:
    TextEditWidget(std::shared_ptr<platform::Text> text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    [[nodiscard]] bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    [[nodiscard]] bool edit(QKeyEvent* event);

    std::shared_ptr<platform::Text> text_;
    SpellCheckHighlighter* spelling_ = nullptr;
};

} // namespace gui

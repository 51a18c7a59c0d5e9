#pragma once

#include "gui/ViewBinding.h"

class QTextEdit;

namespace platform {
class Text;
struct TextChange;
} // namespace platform

namespace gui {

// Keeps a text edit in step with a text view of the model, edit by edit: each change of
// the storage replaces or restyles only the characters it names, so that a keystroke in
// a large text costs what it changes. The selection follows the model, and the user's
// cursor moves and selections go to it. A document change that the model did not make is
// undone by showing the model's text again.
class TextEditBinding : public ViewBinding {
public:
    TextEditBinding(std::shared_ptr<platform::Text> text, QTextEdit* widget);

private:
    void showWholeText();
    void showEdit(const platform::TextChange& change);
    void showSelection();
    void showEditable();
    void userMovedCursor();
    void documentChanged();

    std::shared_ptr<platform::Text> text_;
    QTextEdit* edit_;
    bool showingModel_ = false;
    bool resyncPending_ = false;
    platform::Observation storageEdits_;
};

} // namespace gui

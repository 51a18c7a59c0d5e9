#pragma once

#include <memory>

class QMenu;

namespace platform {
class Text;
}

namespace gui {

class SpellCheckHighlighter;

// The spelling part of a text's context menu, which the menu's other commands follow.
class SpellingMenu {
public:
    // When the position of the text is in a misspelled word: up to six guesses (or a
    // disabled "No Guesses Found"), "Ignore Spelling" and a separator. A guess replaces the
    // word through the text's user entry points, so that the change is the user's.
    static void addItems(QMenu& menu, const SpellCheckHighlighter& spelling,
                         const std::shared_ptr<platform::Text>& text, int position);
};

} // namespace gui

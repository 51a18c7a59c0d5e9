#include "gui/SpellingMenu.h"

#include "gui/QtString.h"
#include "gui/SpellCheckHighlighter.h"
#include "platform/text/SpellChecker.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

#include <QMenu>

namespace gui {
namespace {

constexpr std::size_t maxGuesses = 6;

// A guess's own '&' is no mnemonic.
QString menuTitle(const platform::String& guess) {
    return toQString(guess).replace(u'&', QStringLiteral("&&"));
}

void replace(platform::Text& text, const SpellCheckHighlighter::Word& word,
             const platform::String& guess) {
    // The text may have changed while the menu was open.
    if (text.textStorage()->attributedString().substring(word.range) != word.text)
        return;
    text.userSelect(word.range);
    if (text.selectedRange() == word.range)
        text.userTypeText(guess);
}

} // namespace

void SpellingMenu::addItems(QMenu& menu, const SpellCheckHighlighter& spelling,
                            const std::shared_ptr<platform::Text>& text, int position) {
    const auto word = spelling.misspelledWordAt(position);
    if (!word)
        return;
    auto guesses = spelling.checker()->suggestions(word->text);
    guesses.resize(std::min(guesses.size(), maxGuesses));
    for (const auto& guess : guesses) {
        QAction* action = menu.addAction(menuTitle(guess));
        action->setEnabled(text->isEditable());
        QObject::connect(action, &QAction::triggered, &menu,
                         [text, word = *word, guess] { replace(*text, word, guess); });
    }
    if (guesses.empty())
        menu.addAction(QStringLiteral("No Guesses Found"))->setEnabled(false);
    QObject::connect(
        menu.addAction(QStringLiteral("&Ignore Spelling")), &QAction::triggered, &menu,
        [checker = spelling.checker(), ignored = word->text] { checker->ignoreWord(ignored); });
    menu.addSeparator();
}

} // namespace gui

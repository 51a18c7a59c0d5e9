#pragma once

#include "platform/text/AttributedString.h"
#include "platform/text/Range.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <cstdint>

class QTextCursor;

namespace gui {

// Rich text of the model as Qt's text document holds it: fonts, sizes, bold, italic,
// underline, strikethrough, colours and links as character formats, alignment and
// indents as block formats, and attachments' images as inline images. Characters map one
// to one (a line break is a block separator, an attachment its object character), so that
// positions in the document are the model's.
class TextFormats {
public:
    [[nodiscard]] static QTextCharFormat charFormat(const platform::TextAttributes& attributes);
    [[nodiscard]] static QTextBlockFormat blockFormat(const platform::ParagraphStyle& style);
    // A paragraph style's lengths (twips) in the document's layout units, and back: the
    // ruler measures with these, so that its markers meet the text.
    [[nodiscard]] static double pixelsFromTwips(double twips);
    [[nodiscard]] static std::int32_t twipsFromPixels(double pixels);

    // Inserts the text's characters of `range` at the cursor, run by run.
    static void insert(QTextCursor& cursor, const platform::AttributedString& text,
                       platform::Range range);
    // Gives the characters of `range`, already in the document at the same positions, the
    // text's character formats.
    static void restyle(QTextCursor& cursor, const platform::AttributedString& text,
                        platform::Range range);
    // Gives the blocks that hold the positions of `range` their paragraphs' formats.
    static void formatBlocks(QTextCursor& cursor, const platform::AttributedString& text,
                             platform::Range range);
};

} // namespace gui

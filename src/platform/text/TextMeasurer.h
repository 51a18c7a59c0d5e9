#pragma once

#include "platform/text/Font.h"
#include "platform/text/TextAttributes.h"

#include <memory>
#include <string_view>

namespace platform {

class FontManager;

// The width of text drawn on one line, from the advances of the installed font that
// fontconfig gives for the font (FreeType). Faces stay open for the measurer's life, so
// that measuring again is cheap. Use it from one thread.
class TextMeasurer {
public:
    // The environment's measurer (see TextEnvironment), made on first use.
    [[nodiscard]] static std::shared_ptr<TextMeasurer> sharedTextMeasurer();
    static void setSharedTextMeasurer(std::shared_ptr<TextMeasurer> measurer);

    TextMeasurer(); // with fonts of its own
    explicit TextMeasurer(std::shared_ptr<const FontManager> fonts);
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer&) = delete;
    TextMeasurer& operator=(const TextMeasurer&) = delete;

    // In points: the sum of the characters' advances, without kerning. A surrogate pair
    // is one character; a character the font lacks, and a lone surrogate, take the width
    // of the font's missing-glyph box. 0 when no font can be read.
    [[nodiscard]] double widthOfString(std::u16string_view text, const Font& font);
    // In the attributes' font; without one, in the text system's default, Helvetica 12.
    [[nodiscard]] double widthOfString(std::u16string_view text, const TextAttributes& attributes);

private:
    struct Faces;
    std::unique_ptr<Faces> faces_;
};

} // namespace platform

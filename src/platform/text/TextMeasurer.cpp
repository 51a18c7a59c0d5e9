#include "platform/text/TextMeasurer.h"

#include "platform/base/CodePoint.h"
#include "platform/text/FontManager.h"
#include "platform/text/TextEnvironment.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace platform {
namespace {

const Font& defaultFont() {
    static const Font font(u"Helvetica", 12);
    return font;
}

} // namespace

struct TextMeasurer::Faces {
    std::shared_ptr<const FontManager> fonts;
    FT_Library library = nullptr;
    // Open faces by file; a null face is a file FreeType could not read.
    std::map<std::pair<std::string, int>, FT_Face> byFile;
    // The face of each font asked for; null when there is none.
    std::map<std::tuple<String, int, bool, bool>, FT_Face> byFont;

    explicit Faces(std::shared_ptr<const FontManager> fontManager) : fonts(std::move(fontManager)) {
        if (FT_Init_FreeType(&library) != 0)
            library = nullptr;
    }
    ~Faces() {
        for (const auto& entry : byFile)
            if (entry.second != nullptr)
                FT_Done_Face(entry.second);
        if (library != nullptr)
            FT_Done_FreeType(library);
    }
    Faces(const Faces&) = delete;
    Faces& operator=(const Faces&) = delete;

    FT_Face faceForFile(const FontManager::FontFile& file) {
        const auto key = std::make_pair(file.path, file.index);
        if (const auto found = byFile.find(key); found != byFile.end())
            return found->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0)
            face = nullptr;
        else if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
            FT_Done_Face(face);
            face = nullptr;
        }
        byFile.emplace(key, face);
        return face;
    }

    FT_Face faceForFont(const Font& font) {
        if (library == nullptr)
            return nullptr;
        const auto key =
            std::make_tuple(font.family(), font.halfPoints(), font.isBold(), font.isItalic());
        if (const auto found = byFont.find(key); found != byFont.end())
            return found->second;
        const auto file = fonts->fontFileForFont(font);
        FT_Face face = file ? faceForFile(*file) : nullptr;
        byFont.emplace(key, face);
        return face;
    }
};

std::shared_ptr<TextMeasurer> TextMeasurer::sharedTextMeasurer() {
    return TextEnvironment::current().textMeasurer.get();
}

void TextMeasurer::setSharedTextMeasurer(std::shared_ptr<TextMeasurer> measurer) {
    TextEnvironment::current().textMeasurer.set(std::move(measurer));
}

TextMeasurer::TextMeasurer() : TextMeasurer(std::make_shared<const FontManager>()) {}

TextMeasurer::TextMeasurer(std::shared_ptr<const FontManager> fonts)
    : faces_(std::make_unique<Faces>(std::move(fonts))) {}

TextMeasurer::~TextMeasurer() = default;

double TextMeasurer::widthOfString(std::u16string_view text, const Font& font) {
    FT_Face face = text.empty() ? nullptr : faces_->faceForFont(font);
    if (face == nullptr)
        return 0;
    // Unscaled advances, in font units, add up exactly; one scaling gives points.
    std::int64_t units = 0;
    for (std::size_t index = 0; index < text.size();) {
        const CodePoint character = CodePoint::at(text, index);
        index += character.length;
        const bool surrogate = character.value >= 0xD800 && character.value <= 0xDFFF;
        // Glyph 0 is the missing-glyph box.
        const FT_UInt glyph = surrogate ? 0 : FT_Get_Char_Index(face, character.value);
        FT_Fixed advance = 0;
        if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) == 0)
            units += advance;
    }
    return static_cast<double>(units) * font.pointSize() / face->units_per_EM;
}

double TextMeasurer::widthOfString(std::u16string_view text, const TextAttributes& attributes) {
    return widthOfString(text, attributes.font ? *attributes.font : defaultFont());
}

} // namespace platform

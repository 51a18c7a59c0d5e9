#include "platform/text/FontManager.h"

#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <string>

namespace platform {
namespace {

constexpr double defaultPointSize = 12.0;

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* fcString(const std::string& text) {
    return reinterpret_cast<const FcChar8*>(text.c_str());
}

// Family names compare as fontconfig compares them: ignoring case and spaces.
std::string familyKey(const FcChar8* family) {
    std::string key;
    for (const FcChar8* c = family; *c != 0; ++c)
        if (*c != ' ')
            key.push_back(*c >= 'A' && *c <= 'Z' ? static_cast<char>(*c + 32)
                                                 : static_cast<char>(*c));
    return key;
}

bool sameFamily(const FcChar8* left, const FcChar8* right) {
    return familyKey(left) == familyKey(right);
}

// fontconfig puts the families it holds equal to the one asked for (its "same" and strong
// aliases, such as Nimbus Sans for Helvetica) with a strong binding; the fallbacks it
// appends for any name (DejaVu Sans for a name it does not know) are weak.
bool isStrongFamily(FcPattern* requested, const FcChar8* family) {
    FcPatternIter iter;
    if (!FcPatternFindIter(requested, &iter, FC_FAMILY))
        return false;
    const int count = FcPatternIterValueCount(requested, &iter);
    for (int index = 0; index < count; ++index) {
        FcValue value;
        FcValueBinding binding;
        if (FcPatternIterGetValue(requested, &iter, index, &value, &binding) != FcResultMatch)
            continue;
        if (value.type == FcTypeString && binding == FcValueBindingStrong &&
            sameFamily(value.u.s, family))
            return true;
    }
    return false;
}

bool matchesStrongFamily(FcPattern* requested, FcPattern* match) {
    FcChar8* family = nullptr;
    for (int index = 0; FcPatternGetString(match, FC_FAMILY, index, &family) == FcResultMatch;
         ++index)
        if (isStrongFamily(requested, family))
            return true;
    return false;
}

// Whether the family name can go to fontconfig.
std::optional<std::string> familyName(const String& family) {
    auto name = toUtf8(family);
    if (!name || name->empty() || name->find('\0') != std::string::npos)
        return std::nullopt;
    return name;
}

// fontconfig's best match for the pattern, which keeps the substitutions made on it.
Pattern bestMatch(FcConfig* config, FcPattern* requested) {
    if (config == nullptr || !FcConfigSubstitute(config, requested, FcMatchPattern))
        return nullptr;
    FcDefaultSubstitute(requested);
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(config, requested, &result));
    return result == FcResultMatch ? std::move(match) : nullptr;
}

} // namespace

struct FontManager::Config {
    FcConfig* config = FcInitLoadConfigAndFonts();
    ~Config() {
        if (config != nullptr)
            FcConfigDestroy(config);
    }
};

FontManager::FontManager() : config_(std::make_unique<Config>()) {}

FontManager::~FontManager() = default;

std::vector<String> FontManager::availableFontFamilies() const {
    std::vector<String> families;
    if (config_->config == nullptr)
        return families;
    const Pattern all(FcPatternCreate());
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config_->config, all.get(), objects);
    FcObjectSetDestroy(objects);
    if (fonts == nullptr)
        return families;
    for (int index = 0; index < fonts->nfont; ++index) {
        FcChar8* family = nullptr;
        // The first name is the family's own; later ones are styles or translations.
        if (FcPatternGetString(fonts->fonts[index], FC_FAMILY, 0, &family) != FcResultMatch)
            continue;
        if (auto name = fromUtf8(reinterpret_cast<const char*>(family)))
            families.push_back(std::move(*name));
    }
    FcFontSetDestroy(fonts);
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

std::optional<Font> FontManager::fontWithName(const String& family, double pointSize) const {
    if (!hasFamily(family))
        return std::nullopt;
    return Font(family, pointSize > 0 ? pointSize : defaultPointSize);
}

bool FontManager::hasFamily(const String& family) const {
    const auto name = familyName(family);
    if (!name)
        return false;
    const Pattern requested(FcPatternCreate());
    FcPatternAddString(requested.get(), FC_FAMILY, fcString(*name));
    const Pattern match = bestMatch(config_->config, requested.get());
    return match && matchesStrongFamily(requested.get(), match.get());
}

std::optional<FontManager::FontFile> FontManager::fontFileForFont(const Font& font) const {
    const Pattern requested(FcPatternCreate());
    // A name fontconfig cannot take gets its default family.
    if (const auto name = familyName(font.family()))
        FcPatternAddString(requested.get(), FC_FAMILY, fcString(*name));
    FcPatternAddInteger(requested.get(), FC_WEIGHT,
                        font.isBold() ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(requested.get(), FC_SLANT,
                        font.isItalic() ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (font.pointSize() > 0)
        FcPatternAddDouble(requested.get(), FC_SIZE, font.pointSize());
    FcPatternAddBool(requested.get(), FC_SCALABLE, FcTrue);
    const Pattern match = bestMatch(config_->config, requested.get());
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) != FcResultMatch)
        index = 0;
    return FontFile{reinterpret_cast<const char*>(file), index};
}

} // namespace platform

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
    const auto name = toUtf8(family);
    if (config_->config == nullptr || !name || name->empty() ||
        name->find('\0') != std::string::npos)
        return false;
    const Pattern requested(FcPatternCreate());
    FcPatternAddString(requested.get(), FC_FAMILY, fcString(*name));
    if (!FcConfigSubstitute(config_->config, requested.get(), FcMatchPattern))
        return false;
    FcDefaultSubstitute(requested.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(config_->config, requested.get(), &result));
    return match && result == FcResultMatch && matchesStrongFamily(requested.get(), match.get());
}

} // namespace platform

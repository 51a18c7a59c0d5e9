#pragma once

#include "platform/base/String.h"
#include "platform/text/Font.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The installed fonts, through fontconfig.
class FontManager {
public:
    FontManager();
    ~FontManager();
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    // The family names of the installed fonts, sorted, each once.
    [[nodiscard]] std::vector<String> availableFontFamilies() const;

    // The regular font of the family at the size (0 or less: 12 points); none when no
    // installed font is that family or one that fontconfig holds metric-compatible with it.
    [[nodiscard]] std::optional<Font> fontWithName(const String& family, double pointSize) const;

    // Whether the family is installed under that name or a metric-compatible one.
    [[nodiscard]] bool hasFamily(const String& family) const;

    // A face in a font file: the file's path and the face's index in it.
    struct FontFile {
        std::string path;
        int index = 0;
        bool operator==(const FontFile&) const = default;
    };

    // The scalable face that fontconfig gives for the font's family (or a metric-compatible
    // one, else its fallback), traits and size; none only when no font is installed.
    [[nodiscard]] std::optional<FontFile> fontFileForFont(const Font& font) const;

private:
    struct Config;
    std::unique_ptr<Config> config_;
};

} // namespace platform

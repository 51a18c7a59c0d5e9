#include "platform/ui/SharedFontManager.h"

#include "platform/text/FontManager.h"
#include "platform/ui/Environment.h"

namespace platform {

std::shared_ptr<SharedFontManager> SharedFontManager::sharedFontManager() {
    return Environment::current().fontManager.get();
}

void SharedFontManager::setSharedFontManager(std::shared_ptr<SharedFontManager> manager) {
    Environment::current().fontManager.set(std::move(manager));
}

SharedFontManager::SharedFontManager() : SharedFontManager(nullptr) {}

SharedFontManager::SharedFontManager(std::shared_ptr<const FontManager> fonts)
    : fonts_(std::move(fonts)) {}

SharedFontManager::~SharedFontManager() = default;

const FontManager& SharedFontManager::fonts() const {
    // Loading fontconfig's configuration takes a while; a program that never asks skips it.
    if (!fonts_)
        fonts_ = std::make_shared<const FontManager>();
    return *fonts_;
}

std::vector<String> SharedFontManager::availableFontFamilies() const {
    return fonts().availableFontFamilies();
}

std::optional<Font> SharedFontManager::fontWithName(const String& family, double size) const {
    return fonts().fontWithName(family, size);
}

} // namespace platform

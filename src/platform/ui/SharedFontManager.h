#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/base/String.h"
#include "platform/text/Font.h"

#include <memory>
#include <optional>
#include <vector>

namespace platform {

class FontManager;

// The application's shared font manager: the installed fonts (through the text layer's
// FontManager) and whether the font panel may be used. Observers of "enabled" (writable
// by key) hear of every change.
class SharedFontManager : public Object {
public:
    // The environment's, made on first use; none brings a new default back.
    [[nodiscard]] static std::shared_ptr<SharedFontManager> sharedFontManager();
    static void setSharedFontManager(std::shared_ptr<SharedFontManager> manager);

    // Over fontconfig's fonts, read when first asked.
    SharedFontManager();
    explicit SharedFontManager(std::shared_ptr<const FontManager> fonts);
    ~SharedFontManager() override;

    // Each family once, in no order the caller may rely on.
    [[nodiscard]] std::vector<String> availableFontFamilies() const;

    // None when no installed family answers to the name.
    [[nodiscard]] std::optional<Font> fontWithName(const String& family, double size) const;

    [[nodiscard]] bool isEnabled() const { return enabled_.get(); }
    void setEnabled(bool enabled) { enabled_.change(enabled); }
    [[nodiscard]] const Property<bool>& enabledProperty() const { return enabled_; }

private:
    [[nodiscard]] const FontManager& fonts() const;

    mutable std::shared_ptr<const FontManager> fonts_;
    Property<bool> enabled_{*this, u"enabled", true, &SharedFontManager::setEnabled};
};

} // namespace platform

#include "document/BodyRestyling.h"

#include "platform/base/UserDefaultsController.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/SystemVersion.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

namespace {

platform::Value settingValue(const char16_t* key) {
    return platform::UserDefaultsController::sharedUserDefaultsController()->values()->valueForKey(
        key);
}

platform::TextAttributes defaultBodyAttributes() {
    const auto manager = platform::SharedFontManager::sharedFontManager();
    // No font of that name leaves the text in the view's default font.
    platform::TextAttributes attributes;
    attributes.font =
        manager->fontWithName(settingValue(u"StartupFontFamily").stringValue().value_or(u""),
                              settingValue(u"StartupFontSize").floatValue());
    return attributes;
}

} // namespace

void BodyRestyling::restyle(platform::TextView& textView) {
    const auto paragraphStyle = textView.defaultParagraphStyle();
    const auto attributes = defaultBodyAttributes();
    const auto& storage = textView.textStorage();
    if (storage->length() > 0)
        storage->setAttributes(attributes, {0, storage->length()});
    textView.setTypingAttributes(attributes);
    textView.setDefaultParagraphStyle(paragraphStyle);
    if (platform::SystemVersion::isAtLeast(10, 14))
        textView.setUsesAdaptiveColorMappingForDarkAppearance(true);
}

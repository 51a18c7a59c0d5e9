#pragma once

#include "platform/text/ParagraphStyle.h"
#include "platform/ui/Text.h"

#include <memory>

namespace platform {

// The text view of a window: a Text with the options a renderer shows (ruler, spell
// checking, dark-appearance colour mapping, default paragraph style) and printing. Its
// content and editable state are bound through TextViewBinding.
//
// Observable, beyond the properties of Text: "rulerVisible", "usesRuler",
// "continuousSpellCheckingEnabled", "usesAdaptiveColorMappingForDarkAppearance" (the four
// options writable by key, each telling a change only), "defaultParagraphStyle". Answers
// the actions "print:" and "selectAll:".
class TextView : public Text {
public:
    TextView();
    explicit TextView(const Rect& frame);

    [[nodiscard]] bool isRulerVisible() const { return rulerVisible_.get(); }
    void setRulerVisible(bool visible) { rulerVisible_.change(visible); }
    [[nodiscard]] const Property<bool>& rulerVisibleProperty() const { return rulerVisible_; }
    [[nodiscard]] bool usesRuler() const { return usesRuler_.get(); }
    void setUsesRuler(bool uses) { usesRuler_.change(uses); }
    [[nodiscard]] const Property<bool>& usesRulerProperty() const { return usesRuler_; }
    [[nodiscard]] bool isContinuousSpellCheckingEnabled() const { return spellChecking_.get(); }
    void setContinuousSpellCheckingEnabled(bool enabled) { spellChecking_.change(enabled); }
    [[nodiscard]] const Property<bool>& continuousSpellCheckingEnabledProperty() const {
        return spellChecking_;
    }
    [[nodiscard]] bool usesAdaptiveColorMappingForDarkAppearance() const {
        return adaptiveColors_.get();
    }
    void setUsesAdaptiveColorMappingForDarkAppearance(bool uses) { adaptiveColors_.change(uses); }

    // None: the text system's default style.
    [[nodiscard]] const std::shared_ptr<const ParagraphStyle>& defaultParagraphStyle() const {
        return defaultParagraphStyle_.get();
    }
    void setDefaultParagraphStyle(std::shared_ptr<const ParagraphStyle> style) {
        defaultParagraphStyle_.set(std::move(style));
    }

    // Prints the view through the print panel (a PrintOperation).
    void print(const Sender& sender);

private:
    Property<bool> rulerVisible_{*this, u"rulerVisible", false, &TextView::setRulerVisible};
    Property<bool> usesRuler_{*this, u"usesRuler", true, &TextView::setUsesRuler};
    Property<bool> spellChecking_{*this, u"continuousSpellCheckingEnabled", false,
                                  &TextView::setContinuousSpellCheckingEnabled};
    Property<bool> adaptiveColors_{*this, u"usesAdaptiveColorMappingForDarkAppearance", false,
                                   &TextView::setUsesAdaptiveColorMappingForDarkAppearance};
    Property<std::shared_ptr<const ParagraphStyle>> defaultParagraphStyle_{
        *this, u"defaultParagraphStyle"};
};

} // namespace platform

#pragma once

#include "platform/text/ParagraphStyle.h"
#include "platform/ui/Text.h"

#include <memory>

namespace platform {

// The text view of a window: a Text with the options a renderer shows (ruler, spell
// checking, dark-appearance colour mapping, default paragraph style) and printing. Its
// content and editable state are bound through TextViewBinding.
//
// Observable keys, beyond those of Text: "rulerVisible", "usesRuler",
// "continuousSpellCheckingEnabled", "usesAdaptiveColorMappingForDarkAppearance",
// "defaultParagraphStyle" (observers read the accessor). Answers the actions "print:"
// and "selectAll:".
class TextView : public Text {
public:
    TextView();
    explicit TextView(const Rect& frame);

    [[nodiscard]] bool isRulerVisible() const { return rulerVisible_; }
    void setRulerVisible(bool visible);
    [[nodiscard]] bool usesRuler() const { return usesRuler_; }
    void setUsesRuler(bool uses);
    [[nodiscard]] bool isContinuousSpellCheckingEnabled() const { return spellChecking_; }
    void setContinuousSpellCheckingEnabled(bool enabled);
    [[nodiscard]] bool usesAdaptiveColorMappingForDarkAppearance() const { return adaptiveColors_; }
    void setUsesAdaptiveColorMappingForDarkAppearance(bool uses);

    // None: the text system's default style.
    [[nodiscard]] const std::shared_ptr<const ParagraphStyle>& defaultParagraphStyle() const {
        return defaultParagraphStyle_;
    }
    void setDefaultParagraphStyle(std::shared_ptr<const ParagraphStyle> style);

    // Prints the view through the print panel (a PrintOperation).
    void print(const Sender& sender);

private:
    void exposeOption(const char16_t* key, bool TextView::*member);
    void setOption(bool TextView::*member, bool value, const char16_t* key);

    bool rulerVisible_ = false;
    bool usesRuler_ = true;
    bool spellChecking_ = false;
    bool adaptiveColors_ = false;
    std::shared_ptr<const ParagraphStyle> defaultParagraphStyle_;
};

} // namespace platform

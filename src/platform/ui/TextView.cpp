#include "platform/ui/TextView.h"

#include "platform/ui/PrintOperation.h"

namespace platform {

TextView::TextView() : TextView(Rect()) {}

TextView::TextView(const Rect& frame) : Text(frame) {
    exposeOption(u"rulerVisible", &TextView::rulerVisible_);
    exposeOption(u"usesRuler", &TextView::usesRuler_);
    exposeOption(u"continuousSpellCheckingEnabled", &TextView::spellChecking_);
    exposeOption(u"usesAdaptiveColorMappingForDarkAppearance", &TextView::adaptiveColors_);
    exposeAction(u"print:", [this](const Sender& sender) { print(sender); });
}

void TextView::exposeOption(const char16_t* key, bool TextView::*member) {
    exposeKey(
        key, [this, member] { return Value(Number::boolean(this->*member)); },
        [this, member, key](const Value& value) { setOption(member, value.boolValue(), key); });
}

void TextView::setOption(bool TextView::*member, bool value, const char16_t* key) {
    if (this->*member == value)
        return;
    this->*member = value;
    didChangeValueForKey(key);
}

void TextView::setRulerVisible(bool visible) {
    setOption(&TextView::rulerVisible_, visible, u"rulerVisible");
}

void TextView::setUsesRuler(bool uses) {
    setOption(&TextView::usesRuler_, uses, u"usesRuler");
}

void TextView::setContinuousSpellCheckingEnabled(bool enabled) {
    setOption(&TextView::spellChecking_, enabled, u"continuousSpellCheckingEnabled");
}

void TextView::setUsesAdaptiveColorMappingForDarkAppearance(bool uses) {
    setOption(&TextView::adaptiveColors_, uses, u"usesAdaptiveColorMappingForDarkAppearance");
}

void TextView::setDefaultParagraphStyle(std::shared_ptr<const ParagraphStyle> style) {
    defaultParagraphStyle_ = std::move(style);
    didChangeValueForKey(u"defaultParagraphStyle");
}

void TextView::print(const Sender&) {
    PrintOperation::printOperationWithView(std::static_pointer_cast<View>(shared_from_this()))
        ->runOperation();
}

} // namespace platform

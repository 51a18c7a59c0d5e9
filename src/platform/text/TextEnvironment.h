#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"

namespace platform {

class SpellChecker;
class TextMeasurer;

// The shared objects of platform/text: the spell checker (see
// SpellChecker::sharedSpellChecker) and the text measurer (TextMeasurer::sharedTextMeasurer).
// It is part of the Environment of platform/ui; the tests of this layer build one of their
// own.
class TextEnvironment : public EnvironmentPart<TextEnvironment> {
public:
    TextEnvironment() = default;

    SharedSlot<SpellChecker> spellChecker;
    SharedSlot<TextMeasurer> textMeasurer;

private:
    friend class EnvironmentPart<TextEnvironment>;
    explicit TextEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}
};

} // namespace platform

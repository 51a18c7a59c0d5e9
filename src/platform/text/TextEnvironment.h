#pragma once

#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"

#include <memory>

namespace platform {

class SpellChecker;

// The shared objects of platform/text: the spell checker. It is part of the Environment of
// platform/ui; the tests of this layer build one of their own.
class TextEnvironment : public EnvironmentPart<TextEnvironment> {
public:
    TextEnvironment();
    ~TextEnvironment();

    // With the user's dictionary unless one was given.
    [[nodiscard]] std::shared_ptr<SpellChecker> spellChecker();
    void setSpellChecker(std::shared_ptr<SpellChecker> checker);

private:
    friend class EnvironmentPart<TextEnvironment>;
    explicit TextEnvironment(Fallback fallback);

    SharedSlot<SpellChecker> spellChecker_;
};

} // namespace platform

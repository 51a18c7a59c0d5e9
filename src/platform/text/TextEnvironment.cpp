#include "platform/text/TextEnvironment.h"

#include "platform/text/SpellChecker.h"

namespace platform {

TextEnvironment::TextEnvironment() = default;
TextEnvironment::TextEnvironment(Fallback fallback) : EnvironmentPart(fallback) {}
TextEnvironment::~TextEnvironment() = default;

std::shared_ptr<SpellChecker> TextEnvironment::spellChecker() {
    return spellChecker_.get();
}

void TextEnvironment::setSpellChecker(std::shared_ptr<SpellChecker> checker) {
    spellChecker_.set(std::move(checker));
}

} // namespace platform

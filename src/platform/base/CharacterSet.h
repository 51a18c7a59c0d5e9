#pragma once

#include "platform/base/String.h"

#include <string_view>
#include <vector>

namespace platform {

// A set of characters (code points). A string's surrogate pair is one member; a lone
// surrogate is a member of its own.
class CharacterSet {
public:
    // Unicode's space separators (general category Zs) and the tab.
    [[nodiscard]] static CharacterSet whitespaceCharacterSet();
    [[nodiscard]] static CharacterSet characterSetWithCharactersInString(std::u16string_view text);

    [[nodiscard]] bool longCharacterIsMember(char32_t character) const;

private:
    explicit CharacterSet(std::vector<char32_t> members);

    std::vector<char32_t> members_; // sorted, each once
};

} // namespace platform

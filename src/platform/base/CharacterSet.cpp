#include "platform/base/CharacterSet.h"

#include "platform/base/CodePoint.h"

#include <algorithm>

namespace platform {

CharacterSet::CharacterSet(std::vector<char32_t> members) : members_(std::move(members)) {
    std::sort(members_.begin(), members_.end());
    members_.erase(std::unique(members_.begin(), members_.end()), members_.end());
}

CharacterSet CharacterSet::whitespaceCharacterSet() {
    return CharacterSet({u'\t', 0x0020, 0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004,
                         0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x202F, 0x205F, 0x3000});
}

CharacterSet CharacterSet::characterSetWithCharactersInString(std::u16string_view text) {
    std::vector<char32_t> members;
    for (std::size_t index = 0; index < text.size();) {
        const CodePoint character = CodePoint::at(text, index);
        members.push_back(character.value);
        index += character.length;
    }
    return CharacterSet(std::move(members));
}

bool CharacterSet::longCharacterIsMember(char32_t character) const {
    return std::binary_search(members_.begin(), members_.end(), character);
}

} // namespace platform

#pragma once

#include "platform/base/String.h"

#include <optional>
#include <string_view>

namespace platform {

// The instruction of an RTF field ({\*\fldinst ...}), in the field-code syntax of word
// processors: a field type, then arguments, quoted or not, and switches such as \l.
class RTFFieldInstruction {
public:
    // The link of a HYPERLINK field: its address, or "#" and the bookmark of \l; none for
    // another field.
    [[nodiscard]] static std::optional<String> hyperlink(std::u16string_view instruction);

    // A HYPERLINK instruction for the address, quoted with field-code escapes.
    [[nodiscard]] static String hyperlinkInstruction(std::u16string_view address);
};

} // namespace platform

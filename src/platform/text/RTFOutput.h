#pragma once

#include "platform/base/Data.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// The bytes of an RTF document as they are written: control words with the delimiters
// they need, and text escaped so that it reads back unit for unit.
class RTFOutput {
public:
    explicit RTFOutput(std::size_t expectedSize);

    void word(std::string_view name);
    void word(std::string_view name, std::int64_t parameter);
    // Braces, \* and line breaks, as they stand.
    void raw(std::string_view bytes);
    // Body text: line feeds become \par, tabs \tab, U+2028 \line.
    void text(std::u16string_view text);
    // Text of a name or an instruction: every character outside printable ASCII is \u,
    // and a semicolon is \'3b, so that none ends a table entry.
    void literal(std::u16string_view text);
    // Bytes as hexadecimal digits, in lines.
    void hex(std::string_view bytes);

    [[nodiscard]] Data take() { return std::move(bytes_); }

private:
    void put(std::string_view bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
    void put(char byte) { bytes_.push_back(static_cast<std::uint8_t>(byte)); }
    void symbol(char escaped);
    void textCharacter(char16_t unit);
    void unicode(char16_t unit);
    void number(std::int64_t value);

    Data bytes_;
    bool afterWord_ = false; // text now needs a delimiter
};

} // namespace platform

#pragma once

#include "platform/base/String.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The 8-bit encodings of the platform's strings (and UTF-8). Conversions are exact: a
// character without a form in the encoding, or bytes without a meaning in it, give none.
enum class StringEncoding {
    ASCII,
    UTF8,
    MacOSRoman,
    ISOLatin1,
    WindowsLatin2,     // code page 1250
    WindowsCyrillic,   // 1251
    WindowsLatin1,     // 1252
    WindowsGreek,      // 1253
    WindowsLatin5,     // 1254
    WindowsHebrew,     // 1255
    WindowsArabic,     // 1256
    WindowsBalticRim,  // 1257
    WindowsVietnamese, // 1258
    DOSLatinUS,        // code page 437
    DOSLatin1,         // 850
};

// None when a character (a lone surrogate included) has no form in the encoding.
[[nodiscard]] std::optional<std::string> encodeString(std::u16string_view text,
                                                      StringEncoding encoding);

// None when the bytes are not text in the encoding.
[[nodiscard]] std::optional<String> decodeString(std::string_view bytes, StringEncoding encoding);

// The encoding of the platform's 8-bit C strings.
[[nodiscard]] constexpr StringEncoding defaultCStringEncoding() {
    return StringEncoding::MacOSRoman;
}

} // namespace platform

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The platform's strings are UTF-16: lengths count code units, comparison is unit by
// unit, and a lone surrogate can occur (it then has no UTF-8 form).
using String = std::u16string;

// None when the string holds a lone surrogate.
[[nodiscard]] std::optional<std::string> toUtf8(std::u16string_view text);

// None when the bytes are not well-formed UTF-8.
[[nodiscard]] std::optional<String> fromUtf8(std::string_view bytes);

// For the edges that cannot fail (log lines, test output): a lone surrogate becomes U+FFFD.
[[nodiscard]] std::string toUtf8Lossy(std::u16string_view text);

} // namespace platform

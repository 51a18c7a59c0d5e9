#pragma once

#include "platform/base/String.h"

#include <optional>
#include <string>

namespace platform {

// The bytes by which the system's calls name the file at `path`: its UTF-8 form. None for
// a path that can name no file: an empty one, one with a lone surrogate (it has no UTF-8
// form) and one with a NUL (the system would end it there).
[[nodiscard]] std::optional<std::string> posixPath(const String& path);

// For a person, where posixPath gives none.
inline constexpr const char16_t* unusablePathReason =
    u"The file name cannot be used on this system.";

} // namespace platform

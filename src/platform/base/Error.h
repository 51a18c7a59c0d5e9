#pragma once

#include "platform/base/String.h"

#include <optional>
#include <string_view>

namespace platform {

// Why something failed, in words for the person who asked for it ("No space left on
// device"), with the system's code for it where there is one (an errno), for the program.
struct Error {
    String message;
    std::optional<int> cause;

    // The C library's text for the errno, in the user's language, and the errno.
    [[nodiscard]] static Error fromErrno(int error);
    // A message made in UTF-8, as libraries give theirs; bytes that are not UTF-8 are
    // read as Latin-1 rather than lost.
    [[nodiscard]] static Error fromUtf8(std::string_view message);

    bool operator==(const Error&) const = default;
};

} // namespace platform

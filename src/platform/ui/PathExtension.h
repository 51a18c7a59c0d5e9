#pragma once

#include "platform/base/String.h"

#include <optional>
#include <vector>

namespace platform {

// File types as the panels and the document controller name them: a file name's
// extension ("sealscribe"), compared without regard to ASCII case.
class PathExtension {
public:
    // The text after the last dot of the path's last component; none when that component
    // has no dot, ends with one or only starts with one (".profile").
    [[nodiscard]] static std::optional<String> extensionOf(const String& path);

    [[nodiscard]] static bool isEqual(const String& a, const String& b);

    // Whether the path's extension is one of the types; every path is when there are none.
    [[nodiscard]] static bool isAllowed(const String& path, const std::vector<String>& types);

    // Whether a folder at the path is a package, a document kept as a folder ("rtfd"),
    // which the panels show and take as one file.
    [[nodiscard]] static bool isPackage(const String& path);
};

} // namespace platform

#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <vector>

namespace platform {

// What one start of the program asks of the application: open files, make a new document
// of some text or of the desktop's selection, or open a document and unlock it. Another
// program's request reaches a running instance in this form too.
struct DesktopRequest {
    enum class Kind { openFiles, newFromText, newFromSelection, unlock };

    Kind kind = Kind::openFiles;
    // Absolute; one for unlock.
    std::vector<String> paths;
    // The bytes of newFromText, as they came.
    Data text;
    // The password of unlock.
    String password;

    bool operator==(const DesktopRequest&) const = default;
};

} // namespace platform

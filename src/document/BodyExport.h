#pragma once

#include "document/BodyFileKind.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

namespace platform {
class Text;
}

// Writes the whole of a text, unencrypted, to a file of one kind, replacing any file of
// that name whole; the text itself, its selection included, stays as it was.
class BodyExport {
public:
    // What the warning before an export says, and the one extension its file may have.
    struct Description {
        const char16_t* message;
        const char16_t* informativeText;
        const char16_t* fileType;
    };

    [[nodiscard]] static const Description& describe(BodyFileKind kind);

    [[nodiscard]] static platform::Result<> write(BodyFileKind kind, const platform::Text& text,
                                                  const platform::String& path);
};

#pragma once

#include "document/BodyFileKind.h"
#include "platform/base/FileReader.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

#include <cstddef>

namespace platform {
class Text;
}

// Reads a file of one kind and puts its content in place of a text's selection (at the
// insertion point when nothing is selected), telling the text that it changed. A file
// that is not of the kind, cannot be read or is too large leaves the text as it was.
class BodyImport {
public:
    // Six times the largest body measured in use.
    static constexpr std::size_t sizeLimit = platform::FileReader::importLimit;

    [[nodiscard]] static platform::Result<> insert(BodyFileKind kind, const platform::String& path,
                                                   platform::Text& text);

private:
    [[nodiscard]] static platform::Result<> insertText(const platform::String& path,
                                                       platform::Text& text);
    [[nodiscard]] static platform::Result<> insertRTF(const platform::String& path,
                                                      platform::Text& text);
    [[nodiscard]] static platform::Result<> insertRTFD(const platform::String& path,
                                                       platform::Text& text);
};

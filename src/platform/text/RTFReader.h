#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/text/AttributedString.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace platform {

// Reads RTF into an attributed string: what RTFWriter writes, exactly, and the RTF of
// word processors and editors. Input is outside data: damaged, truncated or hostile RTF
// gives the text read up to the fault, in time and memory linear in the input.
//
// Formatting applies from where it is set. A paragraph's properties so apply from its
// \pard, where writers put them, and a change within a paragraph reads back where it was
// written. Text gets a font once \f, \fs, \b or \i sets one (missing parts are the default
// font, \deff, and 12 points); text without has none, the text system's default.
class RTFReader {
public:
    // The bytes of a \NeXTGraphic attachment by its file name; none when there is no such
    // file.
    using AttachmentResolver = std::function<std::optional<Data>(const String& fileName)>;

    // Deeper groups end the reading, as a fault.
    static constexpr std::size_t maxGroupDepth = 1000;

    // Whether the bytes begin as RTF ("{\rtf", after white space), without reading them.
    [[nodiscard]] static bool startsAsRTF(std::string_view bytes);

    // None when the bytes do not begin as RTF.
    [[nodiscard]] static std::optional<AttributedString> read(std::string_view rtf);
    // For the RTF of an RTFD package, whose attachments are files beside it.
    [[nodiscard]] static std::optional<AttributedString>
    read(std::string_view rtf, const AttachmentResolver& resolveAttachment);
};

} // namespace platform

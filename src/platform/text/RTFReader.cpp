#include "platform/text/RTFReader.h"

#include "platform/text/RTFParser.h"

namespace platform {

std::optional<AttributedString> RTFReader::read(std::string_view rtf) {
    return RTFParser(rtf, nullptr).parse();
}

std::optional<AttributedString> RTFReader::read(std::string_view rtf,
                                                const AttachmentResolver& resolveAttachment) {
    return RTFParser(rtf, &resolveAttachment).parse();
}

} // namespace platform

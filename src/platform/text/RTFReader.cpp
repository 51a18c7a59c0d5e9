#include "platform/text/RTFReader.h"

#include "platform/text/RTFParser.h"

namespace platform {

bool RTFReader::startsAsRTF(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

std::optional<AttributedString> RTFReader::read(std::string_view rtf) {
    return RTFParser(rtf, nullptr).parse();
}

std::optional<AttributedString> RTFReader::read(std::string_view rtf,
                                                const AttachmentResolver& resolveAttachment) {
    return RTFParser(rtf, &resolveAttachment).parse();
}

} // namespace platform

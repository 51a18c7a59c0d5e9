#include "platform/text/TextAttachment.h"

namespace platform {

TextAttachment::TextAttachment(String fileName, Data contents)
    : fileName_(std::move(fileName)), contents_(std::move(contents)),
      imageFormat_(detectImageFormat(bytesOf(contents_))) {}

} // namespace platform

#include "platform/text/TextAttachment.h"

namespace platform {
namespace {

// An image that RTF can carry inside \pict.
std::optional<ImageFormat> pictureFormat(const Data& contents) {
    const auto format = detectImageFormat(bytesOf(contents));
    if (format == ImageFormat::TIFF)
        return std::nullopt;
    return format;
}

} // namespace

TextAttachment::TextAttachment(String fileName, Data contents)
    : fileName_(std::move(fileName)), contents_(std::move(contents)),
      imageFormat_(pictureFormat(contents_)) {}

} // namespace platform

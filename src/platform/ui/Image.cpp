#include "platform/ui/Image.h"

#include "platform/base/ProgrammingError.h"
#include "platform/text/ImageFormat.h"
#include "platform/ui/JpegCodec.h"
#include "platform/ui/PngCodec.h"
#include "platform/ui/TiffCodec.h"

namespace platform {

Image::Image(std::uint32_t width, std::uint32_t height, std::vector<std::uint8_t> rgba)
    : width_(width), height_(height), rgba_(std::move(rgba)) {
    if (rgba_.size() != std::uint64_t{width} * height * 4)
        programmingError("an image was made with a pixel buffer of the wrong size");
}

std::shared_ptr<Image> Image::imageWithData(const Data& data) {
    const std::string_view bytes = bytesOf(data);
    const auto format = detectImageFormat(bytes);
    if (!format)
        return nullptr;
    switch (*format) {
    case ImageFormat::PNG:
        return PngCodec::decode(bytes);
    case ImageFormat::JPEG:
        return JpegCodec::decode(bytes);
    case ImageFormat::TIFF:
        return TiffCodec::decode(bytes);
    }
    return nullptr;
}

std::optional<Data> Image::TIFFRepresentation() const {
    if (isEmpty())
        return std::nullopt;
    return TiffCodec::encode(*this);
}

} // namespace platform

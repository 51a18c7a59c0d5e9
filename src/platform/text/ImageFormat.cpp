#include "platform/text/ImageFormat.h"

namespace platform {
namespace {

constexpr std::string_view pngSignature{"\x89PNG\r\n\x1a\n", 8};
// Little- and big-endian byte order marks, each followed by the number 42.
constexpr std::string_view tiffLittleEndian{"II*\0", 4};
constexpr std::string_view tiffBigEndian{"MM\0*", 4};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

std::optional<PixelSize> pngSize(std::string_view bytes) {
    // The first chunk is IHDR: length, type, then width and height.
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR")
        return std::nullopt;
    return PixelSize{bigEndian(bytes, 16, 4), bigEndian(bytes, 20, 4)};
}

bool isStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PixelSize> jpegSize(std::string_view bytes) {
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<std::uint8_t>(bytes[at]) != 0xFF)
            return std::nullopt;
        const auto marker = static_cast<std::uint8_t>(bytes[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        const std::size_t length = bigEndian(bytes, at + 2, 2);
        if (length < 2)
            return std::nullopt;
        if (isStartOfFrame(marker)) {
            if (at + 9 > bytes.size())
                return std::nullopt;
            return PixelSize{bigEndian(bytes, at + 7, 2), bigEndian(bytes, at + 5, 2)};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<ImageFormat> detectImageFormat(std::string_view bytes) {
    if (bytes.substr(0, pngSignature.size()) == pngSignature)
        return ImageFormat::PNG;
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF")
        return ImageFormat::JPEG;
    const auto start = bytes.substr(0, 4);
    if (start == tiffLittleEndian || start == tiffBigEndian)
        return ImageFormat::TIFF;
    return std::nullopt;
}

std::optional<PixelSize> imagePixelSize(std::string_view bytes) {
    const auto format = detectImageFormat(bytes);
    if (format == ImageFormat::PNG)
        return pngSize(bytes);
    if (format == ImageFormat::JPEG)
        return jpegSize(bytes);
    return std::nullopt;
}

} // namespace platform

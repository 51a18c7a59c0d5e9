#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The image formats that the platform's images decode. RTF carries only PNG and JPEG
// inside \pict.
enum class ImageFormat { PNG, JPEG, TIFF };

struct PixelSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// None when the bytes are neither a PNG, a JPEG nor a TIFF image.
[[nodiscard]] std::optional<ImageFormat> detectImageFormat(std::string_view bytes);

// From a PNG or JPEG image's header; none for other bytes and when the header is missing
// or damaged.
[[nodiscard]] std::optional<PixelSize> imagePixelSize(std::string_view bytes);

} // namespace platform

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The image formats that RTF carries inside \pict.
enum class ImageFormat { PNG, JPEG };

struct PixelSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// None when the bytes are neither a PNG nor a JPEG image.
[[nodiscard]] std::optional<ImageFormat> detectImageFormat(std::string_view bytes);

// From the image's header; none when the header is missing or damaged.
[[nodiscard]] std::optional<PixelSize> imagePixelSize(std::string_view bytes);

} // namespace platform

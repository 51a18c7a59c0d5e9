#pragma once

#include "platform/base/Data.h"
#include "platform/base/Object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// An image as decoded pixels: 8-bit red, green, blue and alpha per pixel, alpha not
// premultiplied, rows from the top. The plain constructor makes an empty image, with no
// content.
class Image : public Object {
public:
    // Larger images are refused, judged from their header before their pixels are read.
    static constexpr std::uint64_t maximumPixelCount = 100'000'000;

    Image() = default;
    // `rgba` holds width * height * 4 bytes; a size of 0 gives an empty image.
    Image(std::uint32_t width, std::uint32_t height, std::vector<std::uint8_t> rgba);

    // A PNG, JPEG or TIFF image; none for data that does not decode and for an image of
    // more than maximumPixelCount pixels.
    [[nodiscard]] static std::shared_ptr<Image> imageWithData(const Data& data);

    [[nodiscard]] bool isEmpty() const { return width_ == 0 || height_ == 0; }
    [[nodiscard]] std::uint32_t width() const { return width_; }
    [[nodiscard]] std::uint32_t height() const { return height_; }
    [[nodiscard]] const std::vector<std::uint8_t>& rgba() const { return rgba_; }

    // Lossless TIFF data that decodes to the same pixels; none for an empty image.
    [[nodiscard]] std::optional<Data> TIFFRepresentation() const;

private:
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::vector<std::uint8_t> rgba_;
};

} // namespace platform

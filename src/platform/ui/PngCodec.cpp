#include "platform/ui/PngCodec.h"

#include <png.h>

namespace platform {
namespace {

// libpng's simplified interface keeps its error jumps inside the library: each call
// answers whether it succeeded.
class PngReader {
public:
    PngReader() {
        image_.version = PNG_IMAGE_VERSION;
        image_.opaque = nullptr;
    }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
    ~PngReader() { png_image_free(&image_); }

    png_image& image() { return image_; }

private:
    png_image image_{};
};

} // namespace

std::shared_ptr<Image> PngCodec::decode(std::string_view bytes) {
    PngReader reader;
    png_image& image = reader.image();
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0)
        return nullptr;
    if (image.width == 0 || image.height == 0 ||
        std::uint64_t{image.width} * image.height > Image::maximumPixelCount)
        return nullptr;
    // Sixteen-bit samples without colour-space chunks are sRGB, as every other reader
    // takes them, rather than linear.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) == 0)
        return nullptr;
    return std::make_shared<Image>(image.width, image.height, std::move(rgba));
}

} // namespace platform

#include "platform/ui/Image.h"

#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the decoders end with an image or none. An image they give is whole,
// and its TIFF data decodes back to the same pixels.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const platform::Data data(bytes, bytes + size);
    const auto image = platform::Image::imageWithData(data);
    if (!image)
        return 0;
    const std::uint64_t pixels = std::uint64_t{image->width()} * image->height();
    if (image->isEmpty() || pixels > platform::Image::maximumPixelCount ||
        image->rgba().size() != pixels * 4)
        std::abort();
    // Small images only, which keeps the runs fast.
    if (pixels > 65536)
        return 0;
    const auto tiff = image->TIFFRepresentation();
    if (!tiff)
        std::abort();
    const auto again = platform::Image::imageWithData(*tiff);
    if (!again || again->width() != image->width() || again->height() != image->height() ||
        again->rgba() != image->rgba())
        std::abort();
    return 0;
}

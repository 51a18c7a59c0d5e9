#pragma once

#include "platform/base/Data.h"
#include "platform/ui/Image.h"

#include <memory>
#include <optional>
#include <string_view>

namespace platform {

// Decodes TIFF images and writes them, with libtiff, in memory.
class TiffCodec {
public:
    // The first image of the file; none for bytes that do not decode and for an image too
    // large for Image.
    [[nodiscard]] static std::shared_ptr<Image> decode(std::string_view bytes);
    // LZW-compressed 8-bit RGBA with unassociated alpha, which decode reads back to the
    // same pixels; none for an empty image or when libtiff fails.
    [[nodiscard]] static std::optional<Data> encode(const Image& image);
};

} // namespace platform

#pragma once

#include "platform/ui/Image.h"

#include <memory>
#include <string_view>

namespace platform {

// Decodes JPEG images with libjpeg: greyscale, YCbCr and RGB, and CMYK and YCCK.
class JpegCodec {
public:
    // None for bytes that do not decode and for an image too large for Image. Scan data
    // that ends early gives the image as far as it goes, as other readers show it.
    [[nodiscard]] static std::shared_ptr<Image> decode(std::string_view bytes);
};

} // namespace platform

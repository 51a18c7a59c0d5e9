#pragma once

#include "platform/ui/Image.h"

#include <memory>
#include <string_view>

namespace platform {

// Decodes PNG images with libpng.
class PngCodec {
public:
    // None for bytes that do not decode and for an image too large for Image.
    [[nodiscard]] static std::shared_ptr<Image> decode(std::string_view bytes);
};

} // namespace platform

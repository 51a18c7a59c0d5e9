#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/text/ImageFormat.h"

#include <optional>

namespace platform {

// A file embedded in a text at one U+FFFC character: its name and its bytes. Whether it
// shows as an image follows from its bytes, as the platform's file wrappers decide.
class TextAttachment {
public:
    TextAttachment(String fileName, Data contents);

    [[nodiscard]] const String& fileName() const { return fileName_; }
    [[nodiscard]] const Data& contents() const { return contents_; }
    // None for a file that is not a PNG or JPEG image.
    [[nodiscard]] std::optional<ImageFormat> imageFormat() const { return imageFormat_; }

    bool operator==(const TextAttachment&) const = default;

private:
    String fileName_;
    Data contents_;
    std::optional<ImageFormat> imageFormat_;
};

} // namespace platform

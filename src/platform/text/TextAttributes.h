#pragma once

#include "platform/base/String.h"
#include "platform/text/Color.h"
#include "platform/text/Font.h"
#include "platform/text/ParagraphStyle.h"
#include "platform/text/TextAttachment.h"

#include <memory>
#include <optional>

namespace platform {

// The attributes of a run of characters. The larger values are shared, immutable and
// compared by content, so that copying attributes from run to run costs little.
struct TextAttributes {
    std::optional<Font> font;
    bool underline = false;
    bool strikethrough = false;
    std::optional<Color> foregroundColor;
    std::optional<Color> backgroundColor;
    std::shared_ptr<const String> link; // a URL
    std::shared_ptr<const ParagraphStyle> paragraphStyle;
    std::shared_ptr<const TextAttachment> attachment; // on its U+FFFC character

    bool operator==(const TextAttributes& other) const;
};

} // namespace platform

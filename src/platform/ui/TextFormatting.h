#pragma once

#include "platform/base/String.h"
#include "platform/text/AttributedString.h"
#include "platform/text/Color.h"
#include "platform/text/Font.h"
#include "platform/text/ParagraphStyle.h"
#include "platform/text/Range.h"
#include "platform/text/TextAttributes.h"

#include <functional>

namespace platform {

class TextStorage;

// What the Format menu and the font panel do to the attributes of a selection: each
// change keeps every attribute it is not about.
class TextFormatting {
public:
    using Change = std::function<TextAttributes(const TextAttributes& attributes)>;

    // Text without a font is shown in the text system's default, Helvetica 12.
    [[nodiscard]] static Font fontOf(const TextAttributes& attributes);

    [[nodiscard]] static Change bold(bool on);
    [[nodiscard]] static Change italic(bool on);
    [[nodiscard]] static Change underline(bool on);
    [[nodiscard]] static Change fontFamily(const String& family);
    [[nodiscard]] static Change fontSize(double pointSize);
    [[nodiscard]] static Change foregroundColor(Color color);
    [[nodiscard]] static Change alignment(TextAlignment alignment);
    // The ruler's changes of a paragraph style; lengths in twips.
    [[nodiscard]] static Change firstLineIndent(std::int32_t indent);
    [[nodiscard]] static Change leftIndent(std::int32_t indent);
    [[nodiscard]] static Change rightIndent(std::int32_t indent);
    [[nodiscard]] static Change tabStops(std::vector<std::int32_t> positions);

    // The whole paragraphs that the range touches, each with its separator.
    [[nodiscard]] static Range paragraphRange(const AttributedString& text, Range range);

    // Applies the change to each run of attributes within the range.
    static void apply(TextStorage& storage, Range range, const Change& change);
};

} // namespace platform

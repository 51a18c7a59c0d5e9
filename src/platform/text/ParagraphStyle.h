#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

enum class TextAlignment { Left, Center, Right, Justified };

// Lengths are in twentieths of a point (twips), the unit RTF stores, so that a body keeps
// them exactly through its RTF form.
struct ParagraphStyle {
    // The RTF reader keeps at most this many tab stops of a paragraph.
    static constexpr std::size_t maxTabStops = 256;

    TextAlignment alignment = TextAlignment::Left;
    std::int32_t firstLineIndent = 0; // relative to leftIndent; negative for a hanging indent
    std::int32_t leftIndent = 0;
    std::int32_t rightIndent = 0;
    // 0: single. Otherwise as RTF's \sl: at least this height, or exactly -lineSpacing when
    // negative; with lineSpacingIsMultiple, lineSpacing / 240 lines.
    std::int32_t lineSpacing = 0;
    bool lineSpacingIsMultiple = false;
    std::int32_t spacingBefore = 0;
    std::int32_t spacingAfter = 0;
    std::vector<std::int32_t> tabStops; // positions from the left margin, in order given

    bool operator==(const ParagraphStyle&) const = default;
};

} // namespace platform

#pragma once

#include "platform/text/ParagraphStyle.h"

#include <cstddef>
#include <cstdint>

namespace gui {

// One drag on a ruler, from the press to the release: the marker it holds, where it has
// taken it, and the paragraph style the ruler shows meanwhile. Positions are in twips from
// the text's left margin; the markers stay inside the text's width, with some text between
// the indents.
class RulerDrag {
public:
    enum class Part { FirstLineIndent, LeftIndent, RightIndent, TabStop, NewTabStop };

    // `tab` is the index of the tab stop held (for a TabStop, one of the style's); `at`
    // where the press was.
    RulerDrag(const platform::ParagraphStyle& style, std::int32_t textWidth, Part part,
              std::size_t tab, std::int32_t at);

    // A tab stop taken off the ruler is removed; the other markers stay on it.
    void moveTo(std::int32_t at, bool offRuler);

    [[nodiscard]] Part part() const { return part_; }
    [[nodiscard]] const platform::ParagraphStyle& preview() const { return preview_; }
    [[nodiscard]] bool changesStyle() const { return preview_ != original_; }

    // Where the marker of the part sits.
    [[nodiscard]] static std::int32_t positionOf(const platform::ParagraphStyle& style,
                                                 std::int32_t textWidth, Part part,
                                                 std::size_t tab);

private:
    void place(std::int32_t position, bool offRuler);
    [[nodiscard]] std::int32_t rightLimit() const;

    platform::ParagraphStyle original_;
    platform::ParagraphStyle preview_;
    std::int32_t textWidth_;
    Part part_;
    std::size_t tab_;
    std::int32_t grabOffset_;
};

} // namespace gui

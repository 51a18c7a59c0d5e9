#include "gui/RulerDrag.h"

#include <algorithm>

namespace gui {
namespace {

// A quarter of an inch of text stays between the indents.
constexpr std::int32_t narrowestText = 360;

std::int32_t clamped(std::int32_t value, std::int32_t low, std::int32_t high) {
    return std::clamp(value, low, std::max(low, high));
}

} // namespace

RulerDrag::RulerDrag(const platform::ParagraphStyle& style, std::int32_t textWidth, Part part,
                     std::size_t tab, std::int32_t at)
    : original_(style), preview_(style), textWidth_(textWidth), part_(part), tab_(tab),
      grabOffset_(part == Part::NewTabStop ? 0 : at - positionOf(style, textWidth, part, tab)) {
    if (part == Part::NewTabStop)
        place(at, false);
}

std::int32_t RulerDrag::positionOf(const platform::ParagraphStyle& style, std::int32_t textWidth,
                                   Part part, std::size_t tab) {
    switch (part) {
    case Part::FirstLineIndent:
        return style.leftIndent + style.firstLineIndent;
    case Part::LeftIndent:
        return style.leftIndent;
    case Part::RightIndent:
        return textWidth - style.rightIndent;
    case Part::TabStop:
        return tab < style.tabStops.size() ? style.tabStops[tab] : 0;
    case Part::NewTabStop:
        break;
    }
    return 0;
}

void RulerDrag::moveTo(std::int32_t at, bool offRuler) {
    place(at - grabOffset_, offRuler);
}

std::int32_t RulerDrag::rightLimit() const {
    return textWidth_ - original_.rightIndent - narrowestText;
}

void RulerDrag::place(std::int32_t position, bool offRuler) {
    preview_ = original_;
    const std::int32_t first = original_.firstLineIndent;
    const std::int32_t left = original_.leftIndent;
    auto& tabs = preview_.tabStops;
    switch (part_) {
    case Part::FirstLineIndent:
        preview_.firstLineIndent = clamped(position, 0, rightLimit()) - left;
        return;
    case Part::LeftIndent:
        // The first line keeps its indent from the left one, and so moves with it.
        preview_.leftIndent =
            clamped(position, std::max(0, -first), rightLimit() - std::max(0, first));
        return;
    case Part::RightIndent:
        preview_.rightIndent = clamped(textWidth_ - position, 0,
                                       textWidth_ - std::max(left, left + first) - narrowestText);
        return;
    case Part::TabStop:
        tabs.erase(tabs.begin() + static_cast<std::ptrdiff_t>(tab_));
        break;
    case Part::NewTabStop:
        break;
    }
    if (offRuler)
        return;
    tabs.push_back(clamped(position, 0, textWidth_));
    std::sort(tabs.begin(), tabs.end());
}

} // namespace gui

#include "gui/RulerDrag.h"

#include <gtest/gtest.h>
#include <vector>

using gui::RulerDrag;
using platform::ParagraphStyle;

namespace {

using Part = RulerDrag::Part;

// A text 6 inches wide; the paragraph hangs its first line a quarter inch before a half-inch
// left indent, stops 1 inch before the right margin, and has tab stops at 2 and 3 inches.
ParagraphStyle hanging() {
    ParagraphStyle style;
    style.firstLineIndent = -360;
    style.leftIndent = 720;
    style.rightIndent = 1440;
    style.tabStops = {4320, 2880};
    return style;
}

constexpr std::int32_t width = 8640;

struct Case {
    const char* name;
    Part part;
    std::size_t tab;
    std::int32_t from;
    std::int32_t to;
    bool offRuler;
    ParagraphStyle expected;
};

ParagraphStyle with(void (*change)(ParagraphStyle&)) {
    ParagraphStyle style = hanging();
    change(style);
    return style;
}

TEST(RulerDragTest, EachMarkerMovesWithinTheText) {
    const std::vector<Case> cases = {
        {"left takes the first line along", Part::LeftIndent, 0, 730, 1450, false,
         with([](ParagraphStyle& s) { s.leftIndent = 1440; })},
        {"left keeps the hanging first line in the text", Part::LeftIndent, 0, 720, -500, false,
         with([](ParagraphStyle& s) { s.leftIndent = 360; })},
        {"first line stops at the margin", Part::FirstLineIndent, 0, 360, -800, false,
         with([](ParagraphStyle& s) { s.firstLineIndent = -720; })},
        {"right stops short of the left", Part::RightIndent, 0, 7200, 100, false,
         with([](ParagraphStyle& s) { s.rightIndent = width - 720 - 360; })},
        {"right stops at the margin", Part::RightIndent, 0, 7200, 9999, false,
         with([](ParagraphStyle& s) { s.rightIndent = 0; })},
        {"a tab stop moves and the stops keep their order", Part::TabStop, 0, 4320, 1000, false,
         with([](ParagraphStyle& s) {
             s.tabStops = {1000, 2880};
         })},
        {"a tab stop taken off is gone", Part::TabStop, 1, 2880, 2880, true,
         with([](ParagraphStyle& s) { s.tabStops = {4320}; })},
        {"a new tab stop", Part::NewTabStop, 0, 100, 200, false, with([](ParagraphStyle& s) {
             s.tabStops = {200, 2880, 4320};
         })},
        {"a new tab stop taken off", Part::NewTabStop, 0, 100, 200, true, hanging()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RulerDrag drag(hanging(), width, c.part, c.tab, c.from);
        drag.moveTo(c.to, c.offRuler);
        EXPECT_EQ(drag.preview(), c.expected);
        EXPECT_EQ(drag.changesStyle(), c.expected != hanging());
    }
}

TEST(RulerDragTest, APressThatDoesNotMoveChangesNothing) {
    for (const Part part :
         {Part::FirstLineIndent, Part::LeftIndent, Part::RightIndent, Part::TabStop}) {
        const RulerDrag drag(hanging(), width, part, 0, 1000);
        EXPECT_FALSE(drag.changesStyle());
    }
}

} // namespace

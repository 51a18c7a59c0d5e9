#include "app/utilities/LWWhiteView.h"

#include "platform/ui/NamedColor.h"

#include <gtest/gtest.h>

using platform::DrawingOperation;
using platform::Rect;

namespace {

TEST(LWWhiteView, PaintsTheWholeViewWhiteThenFramesItGray) {
    LWWhiteView view(Rect(10, 20, 100, 50));
    const Rect bounds(0, 0, 100, 50);
    const std::vector<DrawingOperation> expected = {
        {DrawingOperation::Kind::Fill, bounds, platform::NamedColor::whiteColor(), 0},
        {DrawingOperation::Kind::Stroke, bounds, platform::NamedColor::grayColor(),
         platform::DrawingContext::defaultLineWidth},
    };
    EXPECT_EQ(view.displayRect(Rect(5, 5, 10, 10)).operations(), expected);
    EXPECT_EQ(view.display().operations(), expected);
    EXPECT_EQ(platform::DrawingContext::defaultLineWidth, 1);
}

} // namespace

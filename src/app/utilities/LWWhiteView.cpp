#include "app/utilities/LWWhiteView.h"

#include "platform/ui/NamedColor.h"

void LWWhiteView::drawRect(platform::DrawingContext& context, const platform::Rect& /*dirtyRect*/) {
    const platform::Rect bounds = this->bounds();
    context.setColor(platform::NamedColor::whiteColor());
    context.fillRect(bounds);
    // The default line width, centred on the edges of the bounds.
    context.setColor(platform::NamedColor::grayColor());
    context.strokeRect(bounds);
}

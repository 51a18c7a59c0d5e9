#pragma once

#include "platform/ui/CustomView.h"

// A white backdrop with a gray frame along its edges, for the interface descriptions.
class LWWhiteView : public platform::CustomView {
public:
    using CustomView::CustomView;

    // Paints the whole view whatever part is asked for.
    void drawRect(platform::DrawingContext& context, const platform::Rect& dirtyRect) override;
};

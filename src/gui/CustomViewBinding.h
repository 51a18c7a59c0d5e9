#pragma once

#include "gui/ViewBinding.h"

namespace platform {
class CustomView;
}

namespace gui {

class CustomViewWidget;

// Repaints a custom view's widget when the view asks to be drawn again or changes size.
class CustomViewBinding : public ViewBinding {
public:
    CustomViewBinding(const std::shared_ptr<platform::CustomView>& view, CustomViewWidget* widget);
};

} // namespace gui

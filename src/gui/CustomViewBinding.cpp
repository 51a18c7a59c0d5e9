#include "gui/CustomViewBinding.h"

#include "gui/CustomViewWidget.h"
#include "platform/ui/CustomView.h"

namespace gui {

CustomViewBinding::CustomViewBinding(const std::shared_ptr<platform::CustomView>& view,
                                     CustomViewWidget* widget)
    : ViewBinding(view, widget) {
    observe(view->needsDisplayProperty(), [widget] { widget->update(); });
    observe(view->frameProperty(), [widget] {
        widget->updateGeometry();
        widget->update();
    });
}

} // namespace gui

#include "gui/FrameSizedWidget.h"

namespace gui {

void FrameSizedWidget::setPreferredSize(const QSize& size) {
    if (size == preferredSize_)
        return;
    preferredSize_ = size;
    updateGeometry();
}

} // namespace gui

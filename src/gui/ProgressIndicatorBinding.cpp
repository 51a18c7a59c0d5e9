#include "gui/ProgressIndicatorBinding.h"

#include "platform/ui/ProgressIndicator.h"

#include <QProgressBar>

namespace gui {

ProgressIndicatorBinding::ProgressIndicatorBinding(
    std::shared_ptr<platform::ProgressIndicator> indicator, QProgressBar* widget)
    : ViewBinding(indicator, widget), indicator_(std::move(indicator)), bar_(widget) {
    bar_->setTextVisible(false);
    showAnimating();
    observe(indicator_->animatingProperty(), [this] { showAnimating(); });
}

// A range of 0 to 0 is Qt's busy indicator.
void ProgressIndicatorBinding::showAnimating() {
    bar_->setRange(0, indicator_->isAnimating() ? 0 : 1);
    bar_->setValue(0);
}

} // namespace gui

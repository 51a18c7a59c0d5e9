#include "platform/ui/ProgressIndicator.h"

namespace platform {

ProgressIndicator::ProgressIndicator() : ProgressIndicator(Rect()) {}

ProgressIndicator::ProgressIndicator(const Rect& frame) : View(frame) {}

void ProgressIndicator::startAnimation(const Sender&) {
    animating_.change(true);
}

void ProgressIndicator::stopAnimation(const Sender&) {
    animating_.change(false);
}

} // namespace platform

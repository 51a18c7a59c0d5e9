#include "platform/ui/ProgressIndicator.h"

namespace platform {

ProgressIndicator::ProgressIndicator() : ProgressIndicator(Rect()) {}

ProgressIndicator::ProgressIndicator(const Rect& frame) : View(frame) {
    exposeKey(u"animating", [this] { return Value(Number::boolean(animating_)); });
}

void ProgressIndicator::startAnimation(const Sender&) {
    setAnimating(true);
}

void ProgressIndicator::stopAnimation(const Sender&) {
    setAnimating(false);
}

void ProgressIndicator::setAnimating(bool animating) {
    if (animating == animating_)
        return;
    animating_ = animating;
    didChangeValueForKey(u"animating");
}

} // namespace platform

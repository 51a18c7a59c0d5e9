#pragma once

#include "platform/base/Property.h"
#include "platform/ui/View.h"

namespace platform {

// A spinning progress indicator. Observable: "animating" (and those of View).
class ProgressIndicator : public View {
public:
    ProgressIndicator();
    explicit ProgressIndicator(const Rect& frame);

    void startAnimation(const Sender& sender);
    void stopAnimation(const Sender& sender);
    [[nodiscard]] bool isAnimating() const { return animating_.get(); }
    [[nodiscard]] const Property<bool>& animatingProperty() const { return animating_; }

private:
    Property<bool> animating_{*this, u"animating", false};
};

} // namespace platform

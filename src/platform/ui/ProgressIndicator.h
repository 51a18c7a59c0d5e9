#pragma once

#include "platform/ui/View.h"

namespace platform {

// A spinning progress indicator. Observable key: "animating" (and "hidden").
class ProgressIndicator : public View {
public:
    ProgressIndicator();
    explicit ProgressIndicator(const Rect& frame);

    void startAnimation(const Sender& sender);
    void stopAnimation(const Sender& sender);
    [[nodiscard]] bool isAnimating() const { return animating_; }

private:
    void setAnimating(bool animating);

    bool animating_ = false;
};

} // namespace platform

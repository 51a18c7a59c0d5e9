#pragma once

#include "platform/ui/Rect.h"

namespace platform {

// A display: its whole frame and the part that windows may use (without the menu bar).
// The application holds the main screen; tests and the Qt backend set its size.
class Screen {
public:
    static constexpr double menuBarHeight = 25;

    // 1440 × 900 points with the menu bar at the top.
    Screen();
    Screen(const Rect& frame, const Rect& visibleFrame);

    // The main screen of the shared application.
    [[nodiscard]] static Screen mainScreen();

    [[nodiscard]] Rect frame() const { return frame_; }
    [[nodiscard]] Rect visibleFrame() const { return visibleFrame_; }

    bool operator==(const Screen&) const = default;

private:
    Rect frame_;
    Rect visibleFrame_;
};

} // namespace platform

#pragma once

#include "platform/ui/Rect.h"
#include "platform/ui/Screen.h"

#include <QRect>

namespace gui {

// Converts between the model's screen coordinates (origin at the lower left of the main
// screen, y up, a window's frame including its title bar) and Qt's (origin at the top
// left, a top-level widget's geometry without the title bar that the window manager
// draws). Each Qt window also carries its own menu bar above the content, which the
// model's screen has at its top instead: that height is added to the widget so that the
// content keeps the size the model gives it.
class ScreenMapping {
public:
    // The primary screen's geometry, or the model's default screen without one.
    ScreenMapping();
    explicit ScreenMapping(const QRect& screenGeometry);

    // The model's screen: the whole screen and the part that windows may use.
    [[nodiscard]] static platform::Screen modelScreen(const QRect& geometry,
                                                      const QRect& availableGeometry);

    [[nodiscard]] QRect toQt(const platform::Rect& frame, int menuBarHeight) const;
    [[nodiscard]] platform::Rect toModel(const QRect& geometry, int menuBarHeight) const;

    // A view's frame in its superview (y up) and a child widget's geometry (y down).
    [[nodiscard]] static QRect childToQt(const platform::Rect& frame, double superviewHeight);
    [[nodiscard]] static platform::Rect childToModel(const QRect& geometry, int parentHeight);

private:
    QRect screen_;
};

} // namespace gui

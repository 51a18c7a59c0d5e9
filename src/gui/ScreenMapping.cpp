#include "gui/ScreenMapping.h"

#include "platform/ui/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace gui {
namespace {

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

int titleBar() {
    return rounded(platform::Window::titleBarHeight);
}

QRect defaultScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    const platform::Rect frame = platform::Screen().frame();
    return QRect(0, 0, rounded(frame.width()), rounded(frame.height()));
}

} // namespace

ScreenMapping::ScreenMapping() : ScreenMapping(defaultScreen()) {}

ScreenMapping::ScreenMapping(const QRect& screenGeometry) : screen_(screenGeometry) {}

platform::Screen ScreenMapping::modelScreen(const QRect& geometry, const QRect& availableGeometry) {
    const QRect available = availableGeometry.translated(-geometry.topLeft());
    return platform::Screen(platform::Rect(0, 0, geometry.width(), geometry.height()),
                            platform::Rect(available.x(),
                                           geometry.height() - available.y() - available.height(),
                                           available.width(), available.height()));
}

QRect ScreenMapping::toQt(const platform::Rect& frame, int menuBarHeight) const {
    const int top = screen_.y() + screen_.height() - rounded(frame.maxY()) + titleBar();
    return QRect(screen_.x() + rounded(frame.minX()), top, rounded(frame.width()),
                 std::max(0, rounded(frame.height()) - titleBar() + menuBarHeight));
}

platform::Rect ScreenMapping::toModel(const QRect& geometry, int menuBarHeight) const {
    const double height = std::max(0, geometry.height() - menuBarHeight + titleBar());
    const double maxY = screen_.y() + screen_.height() - geometry.y() + titleBar();
    return platform::Rect(geometry.x() - screen_.x(), maxY - height, geometry.width(), height);
}

QRect ScreenMapping::childToQt(const platform::Rect& frame, double superviewHeight) {
    return QRect(rounded(frame.minX()), rounded(superviewHeight - frame.maxY()),
                 rounded(frame.width()), rounded(frame.height()));
}

platform::Rect ScreenMapping::childToModel(const QRect& geometry, int parentHeight) {
    return platform::Rect(geometry.x(), parentHeight - geometry.y() - geometry.height(),
                          geometry.width(), geometry.height());
}

} // namespace gui

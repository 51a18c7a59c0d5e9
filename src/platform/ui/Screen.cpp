#include "platform/ui/Screen.h"

#include "platform/ui/Application.h"

namespace platform {

Screen::Screen() : Screen(Rect(0, 0, 1440, 900), Rect(0, 0, 1440, 900 - menuBarHeight)) {}

Screen::Screen(const Rect& frame, const Rect& visibleFrame)
    : frame_(frame), visibleFrame_(visibleFrame) {}

Screen Screen::mainScreen() {
    return Application::sharedApplication()->mainScreen();
}

} // namespace platform

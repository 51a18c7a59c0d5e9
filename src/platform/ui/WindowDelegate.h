#pragma once

namespace platform {

class Window;

// What a window tells and asks its delegate (a window controller, a document). The
// window holds its delegate weakly.
class WindowDelegate {
public:
    virtual ~WindowDelegate() = default;

    virtual void windowDidBecomeKey(Window& window) { (void)window; }

    // The close button. Answer false to keep the window open, for instance to ask first
    // in a sheet and close it later with Window::close.
    [[nodiscard]] virtual bool windowShouldClose(Window& window) {
        (void)window;
        return true;
    }

    virtual void windowWillClose(Window& window) { (void)window; }
};

} // namespace platform

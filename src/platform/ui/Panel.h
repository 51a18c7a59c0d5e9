#pragma once

#include "platform/ui/Window.h"

namespace platform {

// A secondary window: sheets, alerts, the preferences window.
class Panel : public Window {
public:
    using Window::Window;
};

} // namespace platform

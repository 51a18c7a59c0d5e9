#pragma once

#include "platform/base/String.h"
#include "platform/base/URL.h"

namespace platform {

// What the workspace asks of the desktop, once it has checked the request: a backend
// carries it out. Each request returns at once; whether an application then opened is
// told to the log, not to the caller. A path is absolute and has a POSIX form.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Web pages go to the browser, mailto: links to the mail program.
    virtual void openURL(const URL& url) = 0;
    // The file's default application.
    virtual void openFile(const String& path) = 0;
    // The file manager with the item selected, or at least the folder that holds it.
    virtual void revealFile(const String& path) = 0;
};

} // namespace platform

#pragma once

#include "platform/system/DesktopServices.h"
#include "platform/system/Launcher.h"

#include <memory>

namespace platform {

// The desktop requests as xdg-open commands for a launcher, which runs them without a
// shell: the URL, the file, and for revealing, the folder that holds the item. The
// headless default; tests give a launcher that records the commands.
class XdgOpenDesktopServices : public DesktopServices {
public:
    explicit XdgOpenDesktopServices(std::shared_ptr<Launcher> launcher);

    void openURL(const URL& url) override;
    void openFile(const String& path) override;
    void revealFile(const String& path) override;

private:
    std::shared_ptr<Launcher> launcher_;
};

} // namespace platform

#pragma once

#include "platform/base/String.h"
#include "platform/base/URL.h"
#include "platform/system/DesktopServices.h"
#include "platform/system/Launcher.h"

#include <memory>
#include <optional>

namespace platform {

// Opens URLs and files in the desktop's applications, and shows files in its file manager,
// through its desktop services. Every request returns at once; it answers false only when
// nothing could be asked (no URL, a path without a POSIX form). Whether an application
// then opened is not known here: the services report failures to the log.
class Workspace {
public:
    // The environment's (SystemEnvironment): xdg-open through a ProcessLauncher unless the
    // program or a test has set its own.
    [[nodiscard]] static std::shared_ptr<Workspace> sharedWorkspace();
    // None brings the default back.
    static void setSharedWorkspace(std::shared_ptr<Workspace> workspace);

    explicit Workspace(std::shared_ptr<DesktopServices> desktop);
    // The xdg-open requests, run by the launcher.
    explicit Workspace(std::shared_ptr<Launcher> launcher);

    [[nodiscard]] bool openURL(const URL& url);
    [[nodiscard]] bool openURL(const std::optional<URL>& url);

    // The file's default application; a relative path is taken from the current directory.
    [[nodiscard]] bool openFile(const String& path);

    // Selects the item in the file manager, or else opens the folder that holds it. The
    // desktop's file managers have no viewer rooted elsewhere, so the root path is not used.
    [[nodiscard]] bool selectFile(const String& path, const String& rootFullPath);

private:
    std::shared_ptr<DesktopServices> desktop_;
};

} // namespace platform

#pragma once

#include "platform/base/String.h"
#include "platform/base/URL.h"
#include "platform/system/Launcher.h"

#include <memory>
#include <optional>

namespace platform {

// Opens URLs and files in the desktop's applications, and shows files in its file manager.
// Every request returns at once; it answers false only when nothing could be asked (no URL,
// a path without a POSIX form). Whether an application then opened is not known here: the
// launcher reports failures to the log.
class Workspace {
public:
    // The environment's (SystemEnvironment): over a ProcessLauncher unless a test has set its
    // own.
    [[nodiscard]] static std::shared_ptr<Workspace> sharedWorkspace();
    // None brings the default back.
    static void setSharedWorkspace(std::shared_ptr<Workspace> workspace);

    explicit Workspace(std::shared_ptr<Launcher> launcher);

    // Web pages go to the browser, mailto: links to the mail program (xdg-open).
    [[nodiscard]] bool openURL(const URL& url);
    [[nodiscard]] bool openURL(const std::optional<URL>& url);

    // The file's default application (xdg-open); a relative path is taken from the current
    // directory.
    [[nodiscard]] bool openFile(const String& path);

    // Selects the item in the file manager (FileManager1.ShowItems on the session bus,
    // through gdbus or else dbus-send), else opens the folder that holds it. The desktop's
    // file managers have no viewer rooted elsewhere, so the root path is not used.
    [[nodiscard]] bool selectFile(const String& path, const String& rootFullPath);

private:
    std::shared_ptr<Launcher> launcher_;
};

} // namespace platform

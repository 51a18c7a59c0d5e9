#include "platform/system/Workspace.h"

#include "platform/base/PosixPath.h"
#include "platform/system/ProcessLauncher.h"
#include "platform/system/SystemEnvironment.h"
#include "platform/system/XdgOpenDesktopServices.h"

namespace platform {
namespace {

// The absolute path, when it has a POSIX form.
std::optional<String> absolutePath(const String& path) {
    const auto url = URL::fileURLWithPath(path);
    auto absolute = url ? url->path() : std::nullopt;
    if (!absolute || !posixPath(*absolute))
        return std::nullopt;
    return absolute;
}

} // namespace

std::shared_ptr<Workspace> Workspace::sharedWorkspace() {
    return SystemEnvironment::current().workspace.get(
        [] { return std::make_shared<Workspace>(std::make_shared<ProcessLauncher>()); });
}

void Workspace::setSharedWorkspace(std::shared_ptr<Workspace> workspace) {
    SystemEnvironment::current().workspace.set(std::move(workspace));
}

Workspace::Workspace(std::shared_ptr<DesktopServices> desktop) : desktop_(std::move(desktop)) {}

Workspace::Workspace(std::shared_ptr<Launcher> launcher)
    : Workspace(std::make_shared<XdgOpenDesktopServices>(std::move(launcher))) {}

bool Workspace::openURL(const URL& url) {
    desktop_->openURL(url);
    return true;
}

bool Workspace::openURL(const std::optional<URL>& url) {
    return url && openURL(*url);
}

bool Workspace::openFile(const String& path) {
    const auto absolute = absolutePath(path);
    if (!absolute)
        return false;
    desktop_->openFile(*absolute);
    return true;
}

bool Workspace::selectFile(const String& path, const String& /*rootFullPath*/) {
    const auto absolute = absolutePath(path);
    if (!absolute)
        return false;
    desktop_->revealFile(*absolute);
    return true;
}

} // namespace platform

#include "platform/system/XdgOpenDesktopServices.h"

#include <filesystem>

namespace platform {
namespace {

std::string containingFolder(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return std::filesystem::path(path).parent_path().string();
}

} // namespace

XdgOpenDesktopServices::XdgOpenDesktopServices(std::shared_ptr<Launcher> launcher)
    : launcher_(std::move(launcher)) {}

void XdgOpenDesktopServices::openURL(const URL& url) {
    // A URL's text is ASCII.
    launcher_->launch({{"xdg-open", toUtf8Lossy(url.absoluteString())}});
}

void XdgOpenDesktopServices::openFile(const String& path) {
    launcher_->launch({{"xdg-open", toUtf8Lossy(path)}});
}

void XdgOpenDesktopServices::revealFile(const String& path) {
    launcher_->launch({{"xdg-open", containingFolder(toUtf8Lossy(path))}});
}

} // namespace platform

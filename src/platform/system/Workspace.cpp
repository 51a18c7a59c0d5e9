#include "platform/system/Workspace.h"

#include "platform/system/ProcessLauncher.h"
#include "platform/system/SystemEnvironment.h"

#include <filesystem>

namespace platform {
namespace {

constexpr const char* fileManagerBusName = "org.freedesktop.FileManager1";
constexpr const char* fileManagerObjectPath = "/org/freedesktop/FileManager1";
constexpr const char* showItemsMethod = "org.freedesktop.FileManager1.ShowItems";

std::string ascii(const String& text) {
    return std::string(text.begin(), text.end());
}

// GVariant text form of an array of one string, as gdbus reads its arguments.
std::string gvariantStringArray(const std::string& element) {
    std::string literal = "['";
    for (const char c : element) {
        if (c == '\'' || c == '\\')
            literal.push_back('\\');
        literal.push_back(c);
    }
    return literal + "']";
}

// dbus-send splits array elements at commas; a comma in a URI may be escaped instead.
std::string withoutCommas(const std::string& uri) {
    std::string escaped;
    for (const char c : uri)
        escaped += c == ',' ? std::string("%2C") : std::string(1, c);
    return escaped;
}

Launcher::Command gdbusShowItems(const std::string& uri) {
    return {"gdbus",
            "call",
            "--session",
            "--dest",
            fileManagerBusName,
            "--object-path",
            fileManagerObjectPath,
            "--method",
            showItemsMethod,
            gvariantStringArray(uri),
            "''"};
}

Launcher::Command dbusSendShowItems(const std::string& uri) {
    return {"dbus-send",
            "--session",
            "--print-reply",
            std::string("--dest=") + fileManagerBusName,
            fileManagerObjectPath,
            showItemsMethod,
            "array:string:" + withoutCommas(uri),
            "string:"};
}

struct Location {
    std::string uri;
    std::string path;
};

std::optional<Location> locate(const String& path) {
    const auto url = URL::fileURLWithPath(path);
    const auto absolute = url ? url->path() : std::nullopt;
    auto bytes = absolute ? toUtf8(*absolute) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    return Location{ascii(url->absoluteString()), std::move(*bytes)};
}

std::string containingFolder(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return std::filesystem::path(path).parent_path().string();
}

} // namespace

std::shared_ptr<Workspace> Workspace::sharedWorkspace() {
    return SystemEnvironment::current().workspace.get(
        [] { return std::make_shared<Workspace>(std::make_shared<ProcessLauncher>()); });
}

void Workspace::setSharedWorkspace(std::shared_ptr<Workspace> workspace) {
    SystemEnvironment::current().workspace.set(std::move(workspace));
}

Workspace::Workspace(std::shared_ptr<Launcher> launcher) : launcher_(std::move(launcher)) {}

bool Workspace::openURL(const URL& url) {
    launcher_->launch({{"xdg-open", ascii(url.absoluteString())}});
    return true;
}

bool Workspace::openURL(const std::optional<URL>& url) {
    return url && openURL(*url);
}

bool Workspace::openFile(const String& path) {
    const auto location = locate(path);
    if (!location)
        return false;
    launcher_->launch({{"xdg-open", location->path}});
    return true;
}

bool Workspace::selectFile(const String& path, const String& /*rootFullPath*/) {
    const auto location = locate(path);
    if (!location)
        return false;
    launcher_->launch({gdbusShowItems(location->uri),
                       dbusSendShowItems(location->uri),
                       {"xdg-open", containingFolder(location->path)}});
    return true;
}

} // namespace platform

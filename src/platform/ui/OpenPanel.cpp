#include "platform/ui/OpenPanel.h"

#include "platform/base/FileManager.h"
#include "platform/ui/PathExtension.h"

namespace platform {

std::shared_ptr<OpenPanel> OpenPanel::openPanel() {
    return std::make_shared<OpenPanel>();
}

OpenPanel::OpenPanel() {
    setPrompt(u"Open");
}

std::optional<std::vector<URL>> OpenPanel::acceptedURLs(const std::vector<String>& paths) const {
    if (paths.empty() || (paths.size() > 1 && !allowsMultipleSelection()))
        return std::nullopt;
    std::vector<platform::URL> urls;
    for (const auto& path : paths) {
        auto url = resolvedURL(path);
        if (!url || !takes(url->path().value_or(u"")))
            return std::nullopt;
        urls.push_back(std::move(*url));
    }
    return urls;
}

bool OpenPanel::takes(const String& path) const {
    bool isDirectory = false;
    if (!FileManager::defaultManager().fileExistsAtPath(path, &isDirectory))
        return false;
    if (isDirectory && !PathExtension::isPackage(path))
        return canChooseDirectories();
    return canChooseFiles() && PathExtension::isAllowed(path, allowedFileTypes());
}

} // namespace platform

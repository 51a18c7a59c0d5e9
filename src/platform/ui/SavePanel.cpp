#include "platform/ui/SavePanel.h"

#include "platform/base/FileManager.h"
#include "platform/base/ProgrammingError.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/ModalRunner.h"
#include "platform/ui/PathExtension.h"

namespace platform {

std::shared_ptr<SavePanel> SavePanel::savePanel() {
    return std::make_shared<SavePanel>();
}

SavePanel::SavePanel() = default;

std::optional<URL> SavePanel::URL() const {
    if (urls_.empty())
        return std::nullopt;
    return urls_.front();
}

void SavePanel::beginSheetModalForWindow(const std::shared_ptr<Window>& window,
                                         CompletionHandler handler) {
    if (!window) {
        const ModalResponse result = runModal();
        if (handler)
            handler(result);
        return;
    }
    urls_.clear();
    window->beginSheet(std::static_pointer_cast<Window>(shared_from_this()),
                       [handler = std::move(handler)](ModalResponse result) {
                           if (handler)
                               handler(result);
                       });
}

ModalResponse SavePanel::runModal() {
    if (runningModal_)
        programmingError("a panel was run modally while it is already running modally");
    const auto keepAlive = shared_from_this();
    urls_.clear();
    runningModal_ = true;
    modalResponse_.reset();
    Application::sharedApplication()->runModalForPanel(*this);
    runningModal_ = false;
    return modalResponse_.value_or(ModalResponseAbort);
}

bool SavePanel::isShown() const {
    if (runningModal_)
        return !modalResponse_;
    return sheetParent() != nullptr;
}

bool SavePanel::userChoose(const String& path) {
    return userChoosePaths({path});
}

bool SavePanel::userChoosePaths(const std::vector<String>& paths) {
    if (!isShown())
        return false;
    auto urls = acceptedURLs(paths);
    if (!urls)
        return false;
    if (asksBeforeReplacing() && !userAllowsReplacing(urls->front()))
        return false;
    // The question may have outlived the panel.
    if (!isShown())
        return false;
    urls_ = std::move(*urls);
    answer(ModalResponseOK);
    return true;
}

bool SavePanel::userAllowsReplacing(const platform::URL& url) const {
    const auto path = url.path();
    if (!path || !FileManager::defaultManager().fileExistsAtPath(*path))
        return true;
    const auto alert = std::make_shared<Alert>();
    alert->setAlertStyle(AlertStyle::Warning);
    alert->setMessageText(u"A file named \u201c" + url.lastPathComponent().value_or(*path) +
                          u"\u201d already exists. Do you want to replace it?");
    alert->setInformativeText(u"Replacing it will overwrite its contents.");
    alert->addButtonWithTitle(u"Cancel");
    alert->addButtonWithTitle(u"Replace");
    return alert->runModal() == AlertSecondButtonReturn;
}

bool SavePanel::userCancel() {
    if (!isShown())
        return false;
    urls_.clear();
    answer(ModalResponseCancel);
    return true;
}

void SavePanel::answer(ModalResponse result) {
    URLs_.changed();
    if (runningModal_) {
        modalResponse_ = result;
        return;
    }
    sheetParent()->endSheet(std::static_pointer_cast<Window>(shared_from_this()), result);
}

std::optional<URL> SavePanel::resolvedURL(const String& path) const {
    if (path.empty())
        return std::nullopt;
    if (const auto directory = directoryURL(); path.front() != u'/' && directory) {
        if (auto folder = directory->path()) {
            if (!folder->ends_with(u'/'))
                folder->push_back(u'/');
            return platform::URL::fileURLWithPath(*folder + path);
        }
    }
    return platform::URL::fileURLWithPath(path);
}

std::optional<std::vector<URL>> SavePanel::acceptedURLs(const std::vector<String>& paths) const {
    if (paths.size() != 1 || paths.front().empty() || paths.front().ends_with(u'/'))
        return std::nullopt;
    String path = paths.front();
    if (!PathExtension::isAllowed(path, allowedFileTypes()))
        path += u"." + allowedFileTypes().front();
    auto url = resolvedURL(path);
    const String resolved = url ? url->path().value_or(u"") : u"";
    bool isDirectory = false;
    if (!url || (FileManager::defaultManager().fileExistsAtPath(resolved, &isDirectory) &&
                 isDirectory && !PathExtension::isPackage(resolved)))
        return std::nullopt;
    return std::vector<platform::URL>{*url};
}

} // namespace platform

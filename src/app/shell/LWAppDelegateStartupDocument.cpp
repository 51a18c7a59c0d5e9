// The start-up document of LWAppDelegateBase: choosing it, forgetting, revealing and
// opening it, and opening it at start-up, through its bookmark in the settings.
#include "app/shell/LWAppDelegateBase.h"
#include "app/utilities/LWBookmark.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/UserDefaults.h"
#include "platform/system/FileAccess.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/Window.h"

#include <filesystem>

using platform::String;
using platform::URL;

namespace {

constexpr const char16_t* bookmarkKey = u"StartupSelectedDocBookmark";
constexpr const char16_t* noDocumentMessage = u"Please select a file or change startup option";

std::optional<platform::Data> storedBookmark() {
    return platform::UserDefaults::standardUserDefaults()->dataForKey(bookmarkKey);
}

void storeBookmark(const platform::Data& data) {
    platform::UserDefaults::standardUserDefaults()->setObject(platform::Value(data), bookmarkKey);
}

bool startAccessing(const URL& url) {
    return platform::FileAccess::sharedFileAccess()->startAccessingSecurityScopedResource(url);
}

void stopAccessing(const URL& url) {
    platform::FileAccess::sharedFileAccess()->stopAccessingSecurityScopedResource(url);
}

bool hasEmptyPath(const URL& url) {
    return url.path().value_or(u"").empty();
}

} // namespace

void LWAppDelegateBase::exposeStartupDocumentActions() {
    exposeAction(u"selectStartupDoc:", [this](const Sender& sender) { selectStartupDoc(sender); });
    exposeAction(u"clearStartupSelectedDoc:",
                 [this](const Sender& sender) { clearStartupSelectedDoc(sender); });
    exposeAction(u"showInFinderStartupDoc:",
                 [this](const Sender& sender) { showInFinderStartupDoc(sender); });
    exposeAction(u"testOpenStartupDoc:",
                 [this](const Sender& sender) { testOpenStartupDoc(sender); });
    exposeAction(u"UseFrontDocumentAsStartupDoc:", [](const Sender&) {});
}

std::vector<String> LWAppDelegateBase::allowedStartupDocExtensions() const {
    return {u""};
}

// The URL of the stored bookmark, and whether it was stale.
std::optional<URL> LWAppDelegateBase::resolveStartupBookmark(bool& isStale) const {
    isStale = false;
    return LWBookmark::urlForBookmark(storedBookmark(), isStale);
}

// A renewal that cannot make new data keeps the old, which still resolves to `url`.
URL LWAppDelegateBase::renewStartupBookmark(const URL& url) {
    (void)startAccessing(url);
    const auto renewed = LWBookmark::bookmarkForURL_RW(url);
    stopAccessing(url);
    if (!renewed)
        return url;
    storeBookmark(*renewed);
    setStartupDocPathMessageString(u"Bookmark renewed");
    bool isStale = false;
    return LWBookmark::urlForBookmark(*renewed, isStale).value_or(url);
}

std::optional<URL> LWAppDelegateBase::resolveAndRenewStartupBookmark() {
    bool isStale = false;
    auto url = resolveStartupBookmark(isStale);
    if (url && isStale)
        return renewStartupBookmark(*url);
    return url;
}

void LWAppDelegateBase::openStartupDocument() {
    if (usingAServices_)
        return;
    bool isStale = false;
    auto url = resolveStartupBookmark(isStale);
    if (!url || hasEmptyPath(*url)) {
        const auto self = std::static_pointer_cast<LWAppDelegateBase>(shared_from_this());
        platform::OperationQueue::mainQueue().addOperationWithBlock(
            [self] { self->reportMissingStartupDocument(); });
        return;
    }
    if (isStale)
        url = renewStartupBookmark(*url);
    if (!openWithAccess(*url))
        reportRefusedStartupDocument();
}

// Access lasts until the opening has ended, whatever its outcome.
bool LWAppDelegateBase::openWithAccess(const URL& url) {
    if (!startAccessing(url))
        return false;
    platform::DocumentController::sharedDocumentController()->openDocumentWithContentsOfURL(
        url, true, [url](const auto&...) { stopAccessing(url); });
    return true;
}

void LWAppDelegateBase::reportMissingStartupDocument() {
    setStartupDocPathMessageString(noDocumentMessage);
    setStartupDocSpecified(false);
    askToOpenPreferences(u"Preference was set to open at startup a document without specifying it",
                         u"You can fix the problem in the preferences");
}

void LWAppDelegateBase::reportRefusedStartupDocument() {
    setStartupDocPathMessageString(u"Not valid Startup Document selected. Please re-select");
    setStartupDocSpecified(true);
    askToOpenPreferences(
        u"The system is negating the access to the document selected to be opened at startup",
        u"It must be selected in the preferences or the startup action must be changed");
}

void LWAppDelegateBase::askToOpenPreferences(const String& message, const String& information) {
    auto alert = std::make_shared<platform::Alert>();
    alert->setAlertStyle(platform::AlertStyle::Warning);
    alert->addButtonWithTitle(u"Open Preferences");
    alert->addButtonWithTitle(u"Cancel");
    alert->setMessageText(message);
    alert->setInformativeText(information);
    if (alert->runModal() == platform::AlertFirstButtonReturn)
        openPreferences(shared_from_this());
}

// The preferences' buttons -----------------------------------------------------------------

void LWAppDelegateBase::selectStartupDoc(const Sender&) {
    const auto window = prefWindow();
    if (!window)
        return;
    auto panel = platform::OpenPanel::openPanel();
    panel->setCanChooseFiles(true);
    panel->setCanChooseDirectories(false);
    panel->setAllowedFileTypes(allowedStartupDocExtensions());
    panel->setPrompt(u"Select");
    const auto self = std::static_pointer_cast<LWAppDelegateBase>(shared_from_this());
    panel->beginSheetModalForWindow(window, [self, panel](platform::ModalResponse answer) {
        if (answer == platform::ModalResponseOK && !panel->URLs().empty())
            self->rememberStartupDocument(panel->URLs().back());
    });
}

// Data that cannot be made keeps the old choice, and says why.
void LWAppDelegateBase::rememberStartupDocument(const URL& url) {
    const auto data = LWBookmark::bookmarkForURL_RW(url);
    if (!data) {
        auto alert = std::make_shared<platform::Alert>();
        alert->setMessageText(u"The chosen document could not be remembered");
        alert->setInformativeText(u"It is no regular file that Sealscribe can read.");
        alert->addButtonWithTitle(u"OK");
        alert->beginSheetModalForWindow(prefWindow(), {});
        return;
    }
    storeBookmark(*data);
    setStartupDocPathMessageString(u"");
    setStartupDocSpecified(true);
}

void LWAppDelegateBase::clearStartupSelectedDoc(const Sender&) {
    storeBookmark({});
    setStartupDocPathMessageString(noDocumentMessage);
    setStartupDocSpecified(false);
}

void LWAppDelegateBase::showInFinderStartupDoc(const Sender&) {
    const auto url = resolveAndRenewStartupBookmark();
    const auto path = url ? url->path() : std::nullopt;
    if (!path || path->empty())
        return;
    const auto utf8 = platform::toUtf8(*path);
    std::error_code error;
    if (utf8 && std::filesystem::exists(*utf8, error))
        (void)platform::Workspace::sharedWorkspace()->selectFile(*path, u"");
}

void LWAppDelegateBase::testOpenStartupDoc(const Sender&) {
    const auto url = resolveAndRenewStartupBookmark();
    if (!url)
        return;
    if (hasEmptyPath(*url))
        setStartupDocPathMessageString(noDocumentMessage);
    (void)openWithAccess(*url);
}

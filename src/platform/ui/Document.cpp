#include "platform/ui/Document.h"

#include "platform/base/FileReader.h"
#include "platform/base/FileWriter.h"
#include "platform/base/Timer.h"
#include "platform/ui/Alert.h"
#include "platform/ui/DocumentAlerts.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowController.h"

#include <algorithm>

namespace platform {
namespace {

Result<FileWriteOutcome> writeToURL(Document& document, const platform::URL& url,
                                    const String& typeName) {
    std::optional<String> refusal;
    const auto data = document.dataOfType(typeName, refusal);
    if (!data)
        return failure(refusal.value_or(u"The document's contents could not be made."));
    const auto path = url.isFileURL() ? url.path() : std::nullopt;
    if (!path)
        return failure(u"The address does not name a file.");
    return document.fileWriter().writeData(*data, *path);
}

} // namespace

Document::Document() {
    exposeOutlet(u"window", windowOutlet_);
    exposeAction(u"saveDocument:", [this](const Sender& sender) { saveDocument(sender); });
    exposeAction(u"saveDocumentAs:", [this](const Sender& sender) { saveDocumentAs(sender); });
    exposeAction(u"revertDocumentToSaved:",
                 [this](const Sender& sender) { revertDocumentToSaved(sender); });
    exposeAction(u"runPageLayout:", [this](const Sender& sender) { runPageLayout(sender); });
    exposeAction(u"printDocument:", [this](const Sender& sender) { printDocument(sender); });
}

Document::~Document() {
    cancelAutosave();
}

std::shared_ptr<Document> Document::self() {
    return std::static_pointer_cast<Document>(shared_from_this());
}

void Document::updateChangeCount(DocumentChangeType change) {
    const bool wasEdited = isDocumentEdited();
    switch (change) {
    case ChangeDone:
        ++changeCount_;
        break;
    case ChangeUndone:
        --changeCount_;
        break;
    case ChangeCleared:
        changeCount_ = 0;
        break;
    }
    if (isDocumentEdited())
        scheduleAutosave();
    else
        cancelAutosave();
    if (wasEdited == isDocumentEdited())
        return;
    for (const auto& controller : windowControllers_)
        controller->setDocumentEdited(isDocumentEdited());
    documentEdited_.changed();
}

void Document::setFileURL(const std::optional<platform::URL>& url) {
    fileURL_.set(url);
    fileNameChanged();
}

std::optional<platform::URL> Document::fileFolderURL() const {
    const auto url = fileURL();
    const auto path = url ? url->path() : std::nullopt;
    const auto slash = path ? path->rfind(u'/') : String::npos;
    if (slash == String::npos)
        return std::nullopt;
    return URL::fileURLWithPath(slash == 0 ? u"/" : path->substr(0, slash));
}

void Document::fileNameChanged() {
    displayName_.changed();
    for (const auto& controller : windowControllers_)
        controller->synchronizeWindowTitleWithDocumentName();
}

String Document::displayName() const {
    if (const auto& url = fileURL_.get())
        if (auto name = url->lastPathComponent())
            return *name;
    if (untitledNumber_ > 1)
        return u"Untitled " + fromUtf8(std::to_string(untitledNumber_)).value_or(u"");
    return u"Untitled";
}

bool Document::readFromData(const Data&, const String&, std::optional<String>&) {
    return false;
}

std::optional<Data> Document::dataOfType(const String&, std::optional<String>&) {
    return std::nullopt;
}

bool Document::readFromURL(const platform::URL& url, const String& typeName,
                           std::optional<String>& error) {
    errorAlreadyReported_ = false;
    const auto path = url.isFileURL() ? url.path() : std::nullopt;
    if (!path) {
        error = u"The address does not name a file.";
        return false;
    }
    const auto data = FileReader::readData(*path);
    if (!data) {
        error = data.error().message;
        return false;
    }
    return readFromData(*data, typeName, error);
}

void Document::makeWindowControllers() {
    const String name = windowNibName();
    if (!name.empty())
        addWindowController(std::make_shared<WindowController>(name, shared_from_this()));
}

void Document::addWindowController(const std::shared_ptr<WindowController>& controller) {
    if (!controller ||
        std::ranges::find(windowControllers_, controller) != windowControllers_.end())
        return;
    windowControllers_.push_back(controller);
    controller->setDocument(self());
}

void Document::removeWindowController(const WindowController& controller) {
    const auto found = std::ranges::find_if(
        windowControllers_, [&](const auto& candidate) { return candidate.get() == &controller; });
    if (found == windowControllers_.end())
        return;
    const auto removed = *found;
    windowControllers_.erase(found);
    removed->setDocument(nullptr);
}

std::shared_ptr<WindowController> Document::controllerOf(const Window& window) const {
    for (const auto& controller : windowControllers_)
        if (controller->isWindowLoaded() && controller->window().get() == &window)
            return controller;
    return nullptr;
}

std::shared_ptr<Window> Document::windowForSheet() const {
    return windowControllers_.empty() ? nullptr : windowControllers_.front()->window();
}

std::shared_ptr<Window> Document::loadedWindowForSheet() const {
    if (windowControllers_.empty() || !windowControllers_.front()->isWindowLoaded())
        return nullptr;
    return windowControllers_.front()->window();
}

void Document::showWindows() {
    const auto controllers = windowControllers_;
    for (const auto& controller : controllers)
        controller->showWindow(nullptr);
}

void Document::scheduleAutosave() {
    if (autosaveTimer_ || closed_ || !fileURL() || !autosavesInPlace())
        return;
    const std::weak_ptr<Document> weakSelf = self();
    autosaveTimer_ =
        Timer::scheduledTimerWithTimeInterval(autosaveDelay, false, [weakSelf](Timer&) {
            if (const auto document = weakSelf.lock()) {
                document->autosaveTimer_.reset();
                document->autosaveInPlaceIfNeeded();
            }
        });
}

void Document::cancelAutosave() {
    if (autosaveTimer_)
        autosaveTimer_->invalidate();
    autosaveTimer_.reset();
}

void Document::autosaveInPlaceIfNeeded() {
    if (closed_ || !isDocumentEdited() || !fileURL() || !autosavesInPlace())
        return;
    // A sheet may be asking the user about these very changes (Don't Save).
    if (const auto window = loadedWindowForSheet(); window && window->attachedSheet()) {
        scheduleAutosave();
        return;
    }
    cancelAutosave();
    saveToURL(*fileURL(), fileType(), SaveOperationType::AutosaveInPlace);
}

void Document::saveDocument(const Sender&) {
    saveDocumentWithDelegate({});
}

void Document::saveDocumentAs(const Sender&) {
    runSaveAsPanel({});
}

void Document::saveDocumentWithDelegate(std::function<void(bool didSave)> completion) {
    if (!fileURL()) {
        runSaveAsPanel(std::move(completion));
        return;
    }
    saveToURL(*fileURL(), fileType(), SaveOperationType::Save,
              [completion = std::move(completion)](const Result<>& saved) {
                  if (completion)
                      completion(saved.has_value());
              });
}

std::vector<String> Document::fileExtensionsForType() const {
    const auto controller = controller_.lock();
    return controller ? controller->fileExtensionsFromType(fileType()) : std::vector<String>{};
}

void Document::runSaveAsPanel(std::function<void(bool didSave)> completion) {
    auto panel = SavePanel::savePanel();
    panel->setAllowedFileTypes(fileExtensionsForType());
    if (const auto controller = controller_.lock())
        panel->setFileTypeDescription(controller->displayNameForType(fileType()));
    panel->setDirectoryURL(fileFolderURL());
    panel->setNameFieldStringValue(displayName());
    const auto document = self();
    panel->beginSheetModalForWindow(
        windowForSheet(),
        [document, panel, completion = std::move(completion)](ModalResponse result) {
            const auto url = panel->URL();
            if (result != ModalResponseOK || !url) {
                if (completion)
                    completion(false);
                return;
            }
            document->saveToURL(*url, document->fileType(), SaveOperationType::SaveAs,
                                [completion](const Result<>& saved) {
                                    if (completion)
                                        completion(saved.has_value());
                                });
        });
}

void Document::saveToURL(const platform::URL& url, const String& typeName,
                         SaveOperationType operation, const SaveCompletion& completion) {
    const auto keepAlive = self();
    errorAlreadyReported_ = false;
    const auto written = writeToURL(*this, url, typeName);
    if (!written) {
        if (!errorAlreadyReported_)
            presentError(DocumentAlerts::couldNotBeSaved(displayName()), written.error().message);
    } else {
        if (operation != SaveOperationType::AutosaveInPlace) {
            setFileType(typeName);
            if (fileURL() != url)
                setFileURL(url);
        }
        updateChangeCount(ChangeCleared);
        if (const auto& warning = written->warning)
            DocumentAlerts::notice(DocumentAlerts::savedButMayNotLast(displayName()),
                                   warning->message)
                ->beginSheetModalForWindow(windowForSheet(), {});
    }
    if (completion)
        completion(written ? Result<>() : failure(written.error()));
}

FileWriter& Document::fileWriter() {
    if (!fileWriter_)
        fileWriter_ = std::make_shared<FileWriter>();
    return *fileWriter_;
}

void Document::revertDocumentToSaved(const Sender&) {
    if (!fileURL())
        return;
    const auto document = self();
    DocumentAlerts::revert(displayName())
        ->beginSheetModalForWindow(windowForSheet(), [document](ModalResponse answer) {
            if (answer == AlertFirstButtonReturn)
                document->revertAfterConfirmation();
        });
}

void Document::runPageLayout(const Sender&) {
    PageLayout::pageLayout()->beginSheetModalForWindow(windowForSheet());
}

void Document::revertAfterConfirmation() {
    if (!fileURL())
        return;
    std::optional<String> error;
    if (!revertToContentsOfURL(*fileURL(), fileType(), error) && !errorAlreadyReported_)
        presentError(DocumentAlerts::couldNotBeReverted(displayName()),
                     error.value_or(u"The file could not be read."));
}

bool Document::revertToContentsOfURL(const platform::URL& url, const String& typeName,
                                     std::optional<String>& error) {
    if (!readFromURL(url, typeName, error))
        return false;
    updateChangeCount(ChangeCleared);
    return true;
}

void Document::presentError(const String& message, const String& reason) const {
    DocumentAlerts::failure(message, reason)->beginSheetModalForWindow(windowForSheet(), {});
}

void Document::canCloseDocumentWithDelegate(ShouldCloseHandler handler) {
    if (!isDocumentEdited()) {
        if (handler)
            handler(*this, true);
        return;
    }
    const auto document = self();
    const auto tell = [document, handler = std::move(handler)](bool shouldClose) {
        if (handler)
            handler(*document, shouldClose);
    };
    DocumentAlerts::shouldClose(displayName())
        ->beginSheetModalForWindow(windowForSheet(), [document, tell](ModalResponse answer) {
            if (answer == AlertFirstButtonReturn)
                document->saveDocumentWithDelegate(tell);
            else
                tell(answer == AlertThirdButtonReturn);
        });
}

void Document::close() {
    if (closed_)
        return;
    const auto keepAlive = self();
    closed_ = true;
    cancelAutosave();
    const auto controllers = windowControllers_;
    for (const auto& controller : controllers)
        controller->close();
    windowControllers_.clear();
    for (const auto& controller : controllers)
        controller->setDocument(nullptr);
    if (const auto controller = controller_.lock())
        controller->removeDocument(keepAlive);
}

std::optional<bool> Document::validateUserInterfaceItem(const UserInterfaceItem& item) {
    const String action = item.action();
    if (action == u"revertDocumentToSaved:")
        return fileURL().has_value() && isDocumentEdited();
    if (action == u"saveDocument:" || action == u"saveDocumentAs:" || action == u"runPageLayout:" ||
        action == u"printDocument:")
        return true;
    return respondsToAction(action);
}

std::optional<bool> Document::validateMenuItem(MenuItem& item) {
    return validateUserInterfaceItem(item);
}

bool Document::windowShouldClose(Window& window) {
    const auto controller = controllerOf(window);
    if (!controller || (windowControllers_.size() > 1 && !controller->shouldCloseDocument()))
        return true;
    canCloseDocumentWithDelegate([](Document& document, bool shouldClose) {
        if (shouldClose)
            document.close();
    });
    return false;
}

void Document::windowWillClose(Window& window) {
    if (closed_)
        return;
    const auto controller = controllerOf(window);
    if (!controller)
        return;
    const auto keepAlive = self();
    removeWindowController(*controller);
    if (windowControllers_.empty() || controller->shouldCloseDocument())
        close();
}

} // namespace platform

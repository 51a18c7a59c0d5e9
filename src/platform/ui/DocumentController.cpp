#include "platform/ui/DocumentController.h"

#include "platform/base/OperationQueue.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Document.h"
#include "platform/ui/DocumentAlerts.h"
#include "platform/ui/Environment.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/PathExtension.h"
#include "platform/ui/Window.h"

#include <algorithm>
#include <filesystem>

namespace platform {
namespace {

// The file's path with links, "." and ".." resolved as far as the file exists.
std::optional<std::filesystem::path> normalPath(const URL& url) {
    const auto path = url.isFileURL() ? url.path() : std::nullopt;
    const auto bytes = path ? toUtf8(*path) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    std::error_code error;
    auto normal = std::filesystem::weakly_canonical(std::filesystem::path(*bytes), error);
    if (error)
        return std::filesystem::path(*bytes).lexically_normal();
    return normal;
}

} // namespace

std::shared_ptr<DocumentController> DocumentController::sharedDocumentController() {
    return Environment::current().documentController.get();
}

void DocumentController::setSharedDocumentController(
    const std::shared_ptr<DocumentController>& controller) {
    Environment::current().documentController.set(controller);
}

DocumentController::DocumentController() {
    exposeAction(u"newDocument:", [this](const Sender& sender) { newDocument(sender); });
    exposeAction(u"openDocument:", [this](const Sender& sender) { openDocument(sender); });
}

DocumentController::~DocumentController() = default;

void DocumentController::registerDocumentClass(const String& typeName,
                                               const std::vector<String>& fileExtensions,
                                               DocumentFactory factory) {
    std::erase_if(registrations_,
                  [&](const auto& registration) { return registration.typeName == typeName; });
    registrations_.push_back({typeName, fileExtensions, std::move(factory), {}});
}

const DocumentController::Registration*
DocumentController::registrationForType(const String& typeName) const {
    const auto found = std::ranges::find_if(registrations_, [&](const auto& registration) {
        return registration.typeName == typeName;
    });
    return found == registrations_.end() ? nullptr : &*found;
}

void DocumentController::setDisplayNameForType(const String& typeName, const String& displayName) {
    const auto found = std::ranges::find_if(registrations_, [&](const auto& registration) {
        return registration.typeName == typeName;
    });
    if (found != registrations_.end())
        found->displayName = displayName;
}

String DocumentController::displayNameForType(const String& typeName) const {
    const auto* registration = registrationForType(typeName);
    return registration ? registration->displayName : String();
}

std::shared_ptr<Document> DocumentController::currentDocument() const {
    auto window = Application::sharedApplication()->keyWindow();
    if (window && window->sheetParent())
        window = window->sheetParent();
    const auto document =
        window ? std::dynamic_pointer_cast<Document>(window->delegate()) : nullptr;
    return document && std::ranges::find(documents(), document) != documents().end() ? document
                                                                                     : nullptr;
}

const DocumentController::DocumentFactory*
DocumentController::documentClassForType(const String& typeName) const {
    const auto* registration = registrationForType(typeName);
    return registration && registration->factory ? &registration->factory : nullptr;
}

std::optional<String> DocumentController::defaultType() const {
    if (registrations_.empty())
        return std::nullopt;
    return registrations_.front().typeName;
}

std::vector<String> DocumentController::fileExtensionsFromType(const String& typeName) const {
    const auto* registration = registrationForType(typeName);
    return registration ? registration->fileExtensions : std::vector<String>{};
}

std::optional<String> DocumentController::typeForContentsOfURL(const URL& url) const {
    const auto path = url.path();
    if (!path || !PathExtension::extensionOf(*path))
        return std::nullopt;
    for (const auto& registration : registrations_)
        if (!registration.fileExtensions.empty() &&
            PathExtension::isAllowed(*path, registration.fileExtensions))
            return registration.typeName;
    return std::nullopt;
}

void DocumentController::addDocument(const std::shared_ptr<Document>& document) {
    if (!document || std::ranges::find(documents(), document) != documents().end())
        return;
    documents_.modify([&](auto& documents) {
        documents.push_back(document);
        document->controller_ = std::static_pointer_cast<DocumentController>(shared_from_this());
    });
}

void DocumentController::removeDocument(const std::shared_ptr<Document>& document) {
    if (std::ranges::find(documents(), document) == documents().end())
        return;
    const auto keepAlive = shared_from_this();
    documents_.modify([&](auto& documents) {
        std::erase(documents, document);
        document->controller_.reset();
    });
    // A document may close itself in place of answering the review's question.
    if (review_ && review_->asking == document.get()) {
        review_->asking = nullptr;
        if (!reviewing_)
            continueReview();
    }
}

std::shared_ptr<Document> DocumentController::documentForURL(const URL& url) const {
    const auto wanted = normalPath(url);
    if (!wanted)
        return nullptr;
    for (const auto& document : documents())
        if (const auto fileURL = document->fileURL(); fileURL && normalPath(*fileURL) == wanted)
            return document;
    return nullptr;
}

std::shared_ptr<Document>
DocumentController::makeUntitledDocumentOfType(const String& typeName,
                                               std::optional<String>& error) {
    const auto* factory = documentClassForType(typeName);
    auto document = factory ? (*factory)() : nullptr;
    if (!document) {
        error = factory ? u"A document of its type could not be made."
                        : u"No document type is registered for \u201c" + typeName + u"\u201d.";
        return nullptr;
    }
    document->setFileType(typeName);
    return document;
}

int DocumentController::nextUntitledNumber() const {
    int number = 1;
    while (std::ranges::any_of(documents(), [&](const auto& document) {
        return !document->fileURL() && std::max(document->untitledNumber_, 1) == number;
    }))
        ++number;
    return number;
}

std::shared_ptr<Document>
DocumentController::openUntitledDocumentAndDisplay(bool display, std::optional<String>& error) {
    const auto typeName = defaultType();
    if (!typeName) {
        error = u"No document type is registered.";
        return nullptr;
    }
    auto document = makeUntitledDocumentOfType(*typeName, error);
    if (!document)
        return nullptr;
    document->untitledNumber_ = nextUntitledNumber();
    addDocument(document);
    document->makeWindowControllers();
    if (display)
        document->showWindows();
    return document;
}

void DocumentController::openDocumentWithContentsOfURL(const URL& url, bool display,
                                                       OpenCompletion completionHandler) {
    if (auto open = documentForURL(url)) {
        if (display)
            open->showWindows();
        completeLater(std::move(completionHandler), std::move(open), true, std::nullopt);
        return;
    }
    std::optional<String> error;
    auto document = readDocument(url, error);
    if (document) {
        addDocument(document);
        document->makeWindowControllers();
        if (display)
            document->showWindows();
    }
    completeLater(std::move(completionHandler), std::move(document), false, std::move(error));
}

std::shared_ptr<Document> DocumentController::readDocument(const URL& url,
                                                           std::optional<String>& error) {
    const String name = url.lastPathComponent().value_or(url.absoluteString());
    const auto typeName = typeForContentsOfURL(url);
    String reason = u"The file is not of a type that this application opens.";
    bool reported = false;
    if (typeName) {
        std::optional<String> makeError;
        auto document = makeUntitledDocumentOfType(*typeName, makeError);
        if (document) {
            document->setFileURL(url);
            std::optional<String> readError;
            if (document->readFromURL(url, *typeName, readError))
                return document;
            reason = readError.value_or(u"The file is not in a form that this application reads.");
            reported = document->errorAlreadyReported();
        } else {
            reason = makeError.value_or(reason);
        }
    }
    const String message = DocumentAlerts::couldNotBeOpened(name);
    error = message + u" " + reason;
    if (!reported)
        (void)DocumentAlerts::failure(message, reason)->runModal();
    return nullptr;
}

void DocumentController::completeLater(OpenCompletion completion,
                                       std::shared_ptr<Document> document, bool wasOpen,
                                       std::optional<String> error) {
    if (!completion)
        return;
    OperationQueue::mainQueue().addOperationWithBlock(
        [completion = std::move(completion), document = std::move(document), wasOpen,
         error = std::move(error)] { completion(document, wasOpen, error); });
}

void DocumentController::newDocument(const Sender&) {
    std::optional<String> error;
    if (!openUntitledDocumentAndDisplay(true, error))
        (void)DocumentAlerts::failure(DocumentAlerts::couldNotBeMade(), error.value_or(u""))
            ->runModal();
}

void DocumentController::openDocument(const Sender&) {
    std::vector<String> extensions;
    for (const auto& registration : registrations_)
        extensions.insert(extensions.end(), registration.fileExtensions.begin(),
                          registration.fileExtensions.end());
    const auto panel = OpenPanel::openPanel();
    panel->setAllowedFileTypes(extensions);
    if (registrations_.size() == 1)
        panel->setFileTypeDescription(registrations_.front().displayName);
    if (const auto document = currentDocument())
        panel->setDirectoryURL(document->fileFolderURL());
    panel->setAllowsMultipleSelection(true);
    if (panel->runModal() != ModalResponseOK)
        return;
    for (const auto& url : panel->URLs())
        openDocumentWithContentsOfURL(url, true);
}

void DocumentController::closeAllDocuments(CloseAllReply reply) {
    if (review_) {
        if (reply)
            reply(false);
        return;
    }
    review_ = std::make_shared<Review>();
    review_->reply = std::move(reply);
    for (const auto& document : documents())
        review_->waiting.push_back(document);
    continueReview();
}

void DocumentController::continueReview() {
    const auto keepAlive = shared_from_this();
    reviewing_ = true;
    while (review_ && !review_->asking) {
        if (review_->waiting.empty()) {
            reviewing_ = false;
            finishReview(true);
            return;
        }
        const auto document = review_->waiting.front().lock();
        review_->waiting.erase(review_->waiting.begin());
        if (!document || std::ranges::find(documents(), document) == documents().end())
            continue;
        if (document->isDocumentEdited())
            document->showWindows();
        review_->asking = document.get();
        const std::weak_ptr<DocumentController> weakSelf =
            std::static_pointer_cast<DocumentController>(shared_from_this());
        document->canCloseDocumentWithDelegate(
            [weakSelf, review = review_](Document& asked, bool shouldClose) {
                if (const auto controller = weakSelf.lock())
                    controller->reviewAnswered(review, asked, shouldClose);
            });
    }
    reviewing_ = false;
}

void DocumentController::reviewAnswered(const std::shared_ptr<Review>& review, Document& document,
                                        bool shouldClose) {
    if (review != review_ || review->asking != &document)
        return;
    review->asking = nullptr;
    if (!shouldClose) {
        finishReview(false);
        return;
    }
    document.close();
    if (!reviewing_)
        continueReview();
}

void DocumentController::finishReview(bool didCloseAll) {
    const auto reply = std::move(review_->reply);
    review_.reset();
    if (reply)
        reply(didCloseAll);
}

void DocumentController::connectToApplication(const std::shared_ptr<Application>& application) {
    if (!application)
        return;
    const auto self = std::static_pointer_cast<DocumentController>(shared_from_this());
    const std::weak_ptr<DocumentController> weakSelf = self;
    const std::weak_ptr<Application> weakApplication = application;
    application->setFinalResponder(self);
    application->setLaunchHook([weakSelf, weakApplication] {
        const auto controller = weakSelf.lock();
        const auto launching = weakApplication.lock();
        if (controller && launching)
            controller->openUntitledDocumentAtLaunch(*launching);
    });
    application->setTerminationReview([weakSelf](Application::TerminationReply reply) {
        if (const auto controller = weakSelf.lock())
            controller->reviewUnsavedDocuments(std::move(reply));
        else
            reply(true);
    });
    applicationActive_ = application->activeProperty().observe([weakSelf, weakApplication] {
        const auto controller = weakSelf.lock();
        const auto observed = weakApplication.lock();
        if (controller && observed && !observed->isActive())
            controller->autosaveDocuments();
    });
}

void DocumentController::openUntitledDocumentAtLaunch(Application& application) {
    if (!documents().empty())
        return;
    const auto delegate = application.delegate();
    if (delegate && !delegate->applicationShouldOpenUntitledFile(application))
        return;
    std::optional<String> error;
    if (!openUntitledDocumentAndDisplay(true, error))
        (void)DocumentAlerts::failure(DocumentAlerts::couldNotBeMade(), error.value_or(u""))
            ->runModal();
}

void DocumentController::autosaveDocuments() {
    const auto open = documents();
    for (const auto& document : open)
        document->autosaveInPlaceIfNeeded();
}

} // namespace platform

#pragma once

#include "platform/base/Observation.h"
#include "platform/base/Property.h"
#include "platform/base/URL.h"
#include "platform/ui/Document.h"
#include "platform/ui/Responder.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class Application;

// Makes, opens, keeps and closes the program's documents. The program registers its
// document class for its type (a factory and the type's file extensions) and connects
// the controller to the application, which then asks it last in the responder chain
// ("newDocument:", "openDocument:"), lets it open an untitled document at launch, has
// it review the unsaved documents before terminating, and lets it autosave when the
// application stops being active. One is shared by the program, in its Environment; tests
// install their own.
//
// Observable: "documents".
class DocumentController : public Responder {
public:
    using DocumentFactory = std::function<std::shared_ptr<Document>()>;
    // The document (none on failure), whether it was open already, and the error (none
    // on success) for a person to read.
    using OpenCompletion =
        std::function<void(const std::shared_ptr<Document>& document, bool documentWasAlreadyOpen,
                           const std::optional<String>& error)>;
    using CloseAllReply = std::function<void(bool didCloseAll)>;

    // The environment's controller; one is made on first use when none is installed.
    [[nodiscard]] static std::shared_ptr<DocumentController> sharedDocumentController();
    // Installs a controller (none: the next use makes a fresh one).
    static void setSharedDocumentController(const std::shared_ptr<DocumentController>& controller);

    DocumentController();
    ~DocumentController() override;

    // Document types. The first registered is the default type, of new documents.
    // Extensions are without the dot and compared without regard to ASCII case.
    void registerDocumentClass(const String& typeName, const std::vector<String>& fileExtensions,
                               DocumentFactory factory);
    template <typename DocumentClass>
    void registerDocumentClass(const String& typeName, const std::vector<String>& fileExtensions) {
        registerDocumentClass(typeName, fileExtensions,
                              [] { return std::make_shared<DocumentClass>(); });
    }
    // What the open and save panels call files of the type ("Sealscribe documents"); the
    // empty string when none was given.
    void setDisplayNameForType(const String& typeName, const String& displayName);
    [[nodiscard]] String displayNameForType(const String& typeName) const;
    // None when the type is not registered.
    [[nodiscard]] const DocumentFactory* documentClassForType(const String& typeName) const;
    [[nodiscard]] std::optional<String> defaultType() const;
    [[nodiscard]] std::vector<String> fileExtensionsFromType(const String& typeName) const;
    // The type whose extensions include the file's; none when no type claims it.
    [[nodiscard]] std::optional<String> typeForContentsOfURL(const URL& url) const;

    // The document of the key window (or of the window its sheet is on); none without one.
    [[nodiscard]] std::shared_ptr<Document> currentDocument() const;

    // The open documents, in the order they were opened.
    [[nodiscard]] const std::vector<std::shared_ptr<Document>>& documents() const {
        return documents_.get();
    }
    [[nodiscard]] const Property<std::vector<std::shared_ptr<Document>>>&
    documentsProperty() const {
        return documents_;
    }
    void addDocument(const std::shared_ptr<Document>& document);
    void removeDocument(const std::shared_ptr<Document>& document);
    // The open document of that file (the same file by another path included).
    [[nodiscard]] std::shared_ptr<Document> documentForURL(const URL& url) const;

    // A new document of the type, not added; none with the reason in `error`.
    [[nodiscard]] std::shared_ptr<Document>
    makeUntitledDocumentOfType(const String& typeName, std::optional<String>& error);
    // A new document of the default type, added, with its window controllers and, when
    // asked, its windows shown; none with the reason in `error`.
    std::shared_ptr<Document> openUntitledDocumentAndDisplay(bool display,
                                                             std::optional<String>& error);
    // Opens the document of the file, or hands back the one open already (its windows
    // brought to the front when asked to display). The file is read synchronously; the
    // completion handler runs afterwards from the main queue. A file that cannot be
    // opened is reported in an application-modal alert, unless the document's reader
    // reported it itself, and the handler receives no document and the error.
    void openDocumentWithContentsOfURL(const URL& url, bool display,
                                       OpenCompletion completionHandler = {});

    // Actions. newDocument: opens an untitled document; openDocument: runs an
    // application-modal open panel for the registered extensions, in the current
    // document's folder, and opens the chosen files. Failures are shown in
    // application-modal alerts.
    void newDocument(const Sender& sender);
    void openDocument(const Sender& sender);

    // Asks each document in turn whether it may close (an edited one brings its window
    // to the front and asks its question) and closes it when it may. The first refusal
    // stops the round: the reply is then false and the documents not yet asked stay
    // open. A document that closes itself instead of answering counts as closed. A
    // second round asked for while one runs is refused at once.
    void closeAllDocuments(CloseAllReply reply);
    // The review before the application terminates: the same round.
    void reviewUnsavedDocuments(CloseAllReply reply) { closeAllDocuments(std::move(reply)); }

    // Makes the controller the application's final responder, launch hook, termination
    // review and listener for the end of its active state.
    void connectToApplication(const std::shared_ptr<Application>& application);
    // The launch hook: an untitled document when none is open yet and the application's
    // delegate (if any) answers yes to applicationShouldOpenUntitledFile.
    void openUntitledDocumentAtLaunch(Application& application);
    // Autosaves each document that is due (see Document::autosavesInPlace).
    void autosaveDocuments();

private:
    struct Registration {
        String typeName;
        std::vector<String> fileExtensions;
        DocumentFactory factory;
        String displayName;
    };
    struct Review {
        std::vector<std::weak_ptr<Document>> waiting;
        const Document* asking = nullptr;
        CloseAllReply reply;
    };

    [[nodiscard]] const Registration* registrationForType(const String& typeName) const;
    [[nodiscard]] int nextUntitledNumber() const;
    [[nodiscard]] std::shared_ptr<Document> readDocument(const URL& url,
                                                         std::optional<String>& error);
    void completeLater(OpenCompletion completion, std::shared_ptr<Document> document, bool wasOpen,
                       std::optional<String> error);
    void continueReview();
    void reviewAnswered(const std::shared_ptr<Review>& review, Document& document,
                        bool shouldClose);
    void finishReview(bool didCloseAll);

    std::vector<Registration> registrations_;
    Property<std::vector<std::shared_ptr<Document>>> documents_{*this, u"documents"};
    std::shared_ptr<Review> review_;
    bool reviewing_ = false; // inside continueReview's loop
    Observation applicationActive_;
};

} // namespace platform

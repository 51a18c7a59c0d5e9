#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Data.h"
#include "platform/base/Property.h"
#include "platform/base/Result.h"
#include "platform/base/URL.h"
#include "platform/ui/DocumentChangeType.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Responder.h"
#include "platform/ui/SaveOperationType.h"
#include "platform/ui/WindowDelegate.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class DocumentController;
class FileWriter;
class Timer;
class Window;
class WindowController;

// The base of the program's document class: one document, its file, its change count and
// its windows. The program's subclass reads and writes its content in readFromData and
// dataOfType, names its window's interface description in windowNibName, and sets the
// window up in windowControllerDidLoadNib. Make documents with std::make_shared.
//
// Observable: "documentEdited", "fileURL", "fileType", "displayName". Outlet:
// "window", the document window (see WindowController). Actions: "saveDocument:",
// "saveDocumentAs:", "revertDocumentToSaved:", "runPageLayout:", "printDocument:". The
// Close command is the window's "performClose:", which asks canCloseDocumentWithDelegate.
//
// The document is the delegate of its windows: it hears windowDidBecomeKey (a subclass
// may override it), decides whether the close button may close the window and closes
// itself with its last window.
//
// Errors: a failed save, revert or read is shown in an alert sheet on the document
// window (application-modal without one), unless the hook that failed has shown its own
// and said so with setErrorAlreadyReported. A save that succeeded with a warning (the file
// was replaced but may not survive a crash) shows it the same way, as information.
class Document : public Responder, public WindowDelegate, public OutletOwner {
public:
    // Told once the question whether to close has an answer.
    using ShouldCloseHandler = std::function<void(Document& document, bool shouldClose)>;
    using SaveCompletion = std::function<void(const Result<>& saved)>;

    // An edited document with a file that autosaves in place is written this many
    // seconds after its first change since it was last written.
    static constexpr double autosaveDelay = 15;

    Document();
    ~Document() override;

    // The change count. Edited means not zero.
    void updateChangeCount(DocumentChangeType change);
    [[nodiscard]] bool isDocumentEdited() const { return changeCount_ != 0; }
    [[nodiscard]] const ComputedProperty<bool>& documentEditedProperty() const {
        return documentEdited_;
    }

    [[nodiscard]] std::optional<platform::URL> fileURL() const { return fileURL_.get(); }
    void setFileURL(const std::optional<platform::URL>& url);
    [[nodiscard]] const Property<std::optional<platform::URL>>& fileURLProperty() const {
        return fileURL_;
    }
    // The folder that holds the file; none without a file.
    [[nodiscard]] std::optional<platform::URL> fileFolderURL() const;
    [[nodiscard]] String fileType() const { return fileType_.get(); }
    void setFileType(const String& typeName) { fileType_.set(typeName); }
    [[nodiscard]] const Property<String>& fileTypeProperty() const { return fileType_; }
    // The file's name, or "Untitled" ("Untitled 2", ... when the document controller
    // numbers its untitled documents).
    [[nodiscard]] String displayName() const;
    [[nodiscard]] const ComputedProperty<String>& displayNameProperty() const {
        return displayName_;
    }

    // The subclass's reader: takes the file's bytes, answers false to refuse them (the
    // reason in `error`, for a person). The base refuses everything.
    [[nodiscard]] virtual bool readFromData(const Data& data, const String& typeName,
                                            std::optional<String>& error);
    // The subclass's writer: the bytes of the file; none to refuse (the reason in
    // `error`). The base writes nothing.
    [[nodiscard]] virtual std::optional<Data> dataOfType(const String& typeName,
                                                         std::optional<String>& error);
    // Reads the file and hands its bytes to readFromData. A file that cannot be read
    // gives the reason in `error`.
    [[nodiscard]] bool readFromURL(const platform::URL& url, const String& typeName,
                                   std::optional<String>& error);
    // Whether the last hook that failed (reader or writer) showed its own alert.
    [[nodiscard]] bool errorAlreadyReported() const { return errorAlreadyReported_; }

    // Windows. The default makeWindowControllers makes one window controller that loads
    // windowNibName with the document as owner; none when the name is empty.
    [[nodiscard]] virtual String windowNibName() const { return {}; }
    virtual void makeWindowControllers();
    virtual void windowControllerDidLoadNib(WindowController& controller) { (void)controller; }
    void addWindowController(const std::shared_ptr<WindowController>& controller);
    void removeWindowController(const WindowController& controller);
    [[nodiscard]] const std::vector<std::shared_ptr<WindowController>>& windowControllers() const {
        return windowControllers_;
    }
    // The window of the first window controller (loaded when needed); none without one.
    [[nodiscard]] std::shared_ptr<Window> windowForSheet() const;
    void showWindows();

    // The class's answer: a subclass that autosaves answers true for every instance.
    // Such a document is written to its own file autosaveDelay seconds after its first
    // change since it was last written, and when the application stops being active;
    // not while a sheet is shown on its window (the save then waits for the next turn),
    // and never when it has no file.
    [[nodiscard]] virtual bool autosavesInPlace() const { return false; }
    // Writes the document to its own file now when it is due (see autosavesInPlace).
    void autosaveInPlaceIfNeeded();

    // Actions. saveDocument: writes to the file, or asks for one as Save As does;
    // saveDocumentAs: shows a save panel as a sheet for the document type's extension, in
    // the file's folder;
    // revertDocumentToSaved: asks first and then reads the file again; runPageLayout:
    // shows the page setup for the document's window (a PageLayout). printDocument: does
    // nothing here: a program that prints overrides it.
    virtual void saveDocument(const Sender& sender);
    virtual void saveDocumentAs(const Sender& sender);
    virtual void revertDocumentToSaved(const Sender& sender);
    virtual void runPageLayout(const Sender& sender);
    virtual void printDocument(const Sender& sender) { (void)sender; }

    // Saves as saveDocument: does and tells whether the document was written.
    void saveDocumentWithDelegate(std::function<void(bool didSave)> completion);
    // Writes dataOfType to the file through the file writer. On success the document is
    // unchanged and, except for an autosave, its file and type are the ones written; the
    // writer's warning, if any, is shown. On failure the old file is as it was, the error
    // is shown and the document stays edited.
    void saveToURL(const platform::URL& url, const String& typeName, SaveOperationType operation,
                   const SaveCompletion& completion = {});
    // Reads the file again; on success the document is unchanged.
    [[nodiscard]] bool revertToContentsOfURL(const platform::URL& url, const String& typeName,
                                             std::optional<String>& error);

    // The writer of the document's files; a FileWriter unless one is set.
    [[nodiscard]] FileWriter& fileWriter();
    void setFileWriter(std::shared_ptr<FileWriter> writer) { fileWriter_ = std::move(writer); }

    // Asks, for an edited document, in an alert sheet on its window, "Save", "Cancel" or
    // "Don't Save" (Save may ask for a file first), and tells the handler; an unchanged
    // document is told yes at once. Closing is the handler's business.
    virtual void canCloseDocumentWithDelegate(ShouldCloseHandler handler);
    // Closes the document and its windows without asking; it leaves its controller.
    virtual void close();
    [[nodiscard]] bool isClosed() const { return closed_; }

    // The platform's rules: saving, Save As, page layout and printing are always
    // enabled, revert only for a document with a file and changes; any other action
    // the document answers is enabled. validateMenuItem passes to it.
    [[nodiscard]] std::optional<bool>
    validateUserInterfaceItem(const UserInterfaceItem& item) override;
    [[nodiscard]] std::optional<bool> validateMenuItem(MenuItem& item) override;

    // Window delegate.
    [[nodiscard]] bool windowShouldClose(Window& window) override;
    void windowWillClose(Window& window) override;

protected:
    // Called by readFromData or dataOfType, before failing, when it has shown its own
    // alert: the document machinery then shows none.
    void setErrorAlreadyReported() { errorAlreadyReported_ = true; }

private:
    friend class DocumentController;

    [[nodiscard]] std::shared_ptr<Document> self();
    [[nodiscard]] std::shared_ptr<WindowController> controllerOf(const Window& window) const;
    [[nodiscard]] std::shared_ptr<Window> loadedWindowForSheet() const;
    [[nodiscard]] std::vector<String> fileExtensionsForType() const;
    void runSaveAsPanel(std::function<void(bool didSave)> completion);
    void revertAfterConfirmation();
    void presentError(const String& message, const String& reason) const;
    void scheduleAutosave();
    void cancelAutosave();
    void fileNameChanged();

    std::int64_t changeCount_ = 0;
    ComputedProperty<bool> documentEdited_{*this, u"documentEdited", &Document::isDocumentEdited};
    Property<std::optional<platform::URL>> fileURL_{*this, u"fileURL"};
    Property<String> fileType_{*this, u"fileType"};
    ComputedProperty<String> displayName_{*this, u"displayName", &Document::displayName};
    int untitledNumber_ = 0; // set by the document controller; 0 and 1 show no number
    std::weak_ptr<DocumentController> controller_;
    std::vector<std::shared_ptr<WindowController>> windowControllers_;
    std::shared_ptr<Window> windowOutlet_;
    std::shared_ptr<FileWriter> fileWriter_;
    std::shared_ptr<Timer> autosaveTimer_;
    bool errorAlreadyReported_ = false;
    bool closed_ = false;
};

} // namespace platform

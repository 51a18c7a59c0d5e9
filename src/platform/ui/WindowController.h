#pragma once

#include "platform/base/Observation.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Responder.h"

#include <memory>

namespace platform {

class Document;
class LoadedInterface;
class Window;

// Loads a window from a named interface description for its owner (usually the
// document) and keeps what it loaded alive. The window is the owner's "window" outlet
// when the description fills it, else the description's first top-level window. Once the
// window is loaded the controller gives it its document as delegate (unless the
// description gave it one) and as next responder after itself, shows the document's name
// as its title, and calls the document's windowControllerDidLoadNib. From then on every
// user change of a text in the window marks the document changed, and the window shows
// whether the document has unsaved changes.
//
// Outlet: "window", for a controller that is the owner of its description.
class WindowController : public Responder, public OutletOwner {
public:
    WindowController(const String& windowNibName, const std::shared_ptr<Object>& owner);
    // A controller of a window made by the program.
    explicit WindowController(const std::shared_ptr<Window>& window);
    ~WindowController() override;

    [[nodiscard]] String windowNibName() const { return windowNibName_; }
    // Held weakly: the owner usually keeps the controller.
    [[nodiscard]] std::shared_ptr<Object> owner() const { return owner_.lock(); }

    // Loads the window when it has not been loaded; none when the description is
    // unknown or makes no window.
    [[nodiscard]] std::shared_ptr<Window> window();
    [[nodiscard]] bool isWindowLoaded() const { return loaded_; }
    // What loading made; none before loading and for a controller of a given window.
    [[nodiscard]] const std::shared_ptr<LoadedInterface>& loadedInterface() const {
        return interface_;
    }

    // Held weakly; set by Document::addWindowController.
    [[nodiscard]] std::shared_ptr<Document> document() const { return document_.lock(); }
    void setDocument(const std::shared_ptr<Document>& document);

    // Whether a window shown for the first time steps down and right from the windows
    // already shown at its place; on by default.
    [[nodiscard]] bool shouldCascadeWindows() const { return shouldCascadeWindows_; }
    void setShouldCascadeWindows(bool cascade) { shouldCascadeWindows_ = cascade; }
    // Whether closing this window closes the document even when it has other windows.
    [[nodiscard]] bool shouldCloseDocument() const { return shouldCloseDocument_; }
    void setShouldCloseDocument(bool close) { shouldCloseDocument_ = close; }

    // Makes the window key and orders it front.
    void showWindow(const Sender& sender);
    // Closes the window without asking.
    void close();
    void synchronizeWindowTitleWithDocumentName();
    // Told by the document when it becomes edited or unchanged.
    void setDocumentEdited(bool edited);

    // How far a cascaded window steps from the one at its place.
    static constexpr double cascadeOffset = 20;

private:
    void loadWindow();
    void windowDidLoad();
    void cascade();
    void followDocument();

    String windowNibName_;
    std::weak_ptr<Object> owner_;
    std::weak_ptr<Document> document_;
    std::shared_ptr<Window> window_;
    std::shared_ptr<LoadedInterface> interface_;
    Observation textChanges_;
    bool loaded_ = false;
    bool setUp_ = false;
    bool shown_ = false;
    bool shouldCascadeWindows_ = true;
    bool shouldCloseDocument_ = false;
};

} // namespace platform

#include "platform/ui/WindowController.h"

#include "platform/ui/Application.h"
#include "platform/ui/Document.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/Window.h"

namespace platform {

WindowController::WindowController(const String& windowNibName,
                                   const std::shared_ptr<Object>& owner)
    : windowNibName_(windowNibName), owner_(owner) {
    exposeOutlet(u"window", window_);
}

WindowController::WindowController(const std::shared_ptr<Window>& window) : window_(window) {
    exposeOutlet(u"window", window_);
    loaded_ = true;
}

WindowController::~WindowController() = default;

std::shared_ptr<Window> WindowController::window() {
    if (!loaded_)
        loadWindow();
    else if (window_ && !setUp_)
        windowDidLoad();
    return window_;
}

void WindowController::loadWindow() {
    loaded_ = true;
    if (windowNibName_.empty())
        return;
    // A controller without an owner of its own owns its description.
    const auto owner = owner_.lock();
    const auto loadOwner = owner ? owner : shared_from_this();
    interface_ = InterfaceLoader::loadNibNamed(windowNibName_, loadOwner);
    if (!interface_)
        return;
    if (!window_)
        if (const auto outlets = std::dynamic_pointer_cast<OutletOwner>(loadOwner))
            window_ = std::dynamic_pointer_cast<Window>(outlets->outlet(u"window"));
    if (!window_)
        window_ = interface_->firstTopLevelObject<Window>();
    if (!window_)
        return;
    windowDidLoad();
    if (const auto owningDocument = document())
        owningDocument->windowControllerDidLoadNib(*this);
}

void WindowController::windowDidLoad() {
    setUp_ = true;
    const auto owningDocument = document();
    if (owningDocument && !window_->delegate())
        window_->setDelegate(owningDocument);
    window_->setNextResponder(std::static_pointer_cast<Responder>(shared_from_this()));
    if (owningDocument)
        synchronizeWindowTitleWithDocumentName();
    followDocument();
}

void WindowController::setDocument(const std::shared_ptr<Document>& document) {
    document_ = document;
    setNextResponder(document);
    if (document && window_) {
        if (!window_->delegate())
            window_->setDelegate(document);
        synchronizeWindowTitleWithDocumentName();
    }
    if (setUp_)
        followDocument();
}

// A program's own change of a text (loading the body) is not the user's and marks nothing.
void WindowController::followDocument() {
    const auto owningDocument = document();
    if (!owningDocument || !window_) {
        textChanges_.cancel();
        return;
    }
    window_->setDocumentEdited(owningDocument->isDocumentEdited());
    const std::weak_ptr<Document> weakDocument = owningDocument;
    textChanges_ = window_->observeTextChanges([weakDocument](Text&) {
        if (const auto changed = weakDocument.lock())
            changed->updateChangeCount(ChangeDone);
    });
}

void WindowController::setDocumentEdited(bool edited) {
    if (setUp_ && window_)
        window_->setDocumentEdited(edited);
}

void WindowController::showWindow(const Sender& sender) {
    const auto shown = window();
    if (!shown)
        return;
    if (!shown_ && shouldCascadeWindows_)
        cascade();
    shown_ = true;
    shown->makeKeyAndOrderFront(sender);
}

void WindowController::cascade() {
    const auto windows = Application::sharedApplication()->windows();
    const auto topLeftTaken = [&](const Rect& frame) {
        for (const auto& other : windows)
            if (other != window_ && other->isVisible() && other->frame().minX() == frame.minX() &&
                other->frame().maxY() == frame.maxY())
                return true;
        return false;
    };
    Rect frame = window_->frame();
    for (std::size_t step = 0; step < windows.size() && topLeftTaken(frame); ++step)
        frame = Rect(frame.minX() + cascadeOffset, frame.minY() - cascadeOffset, frame.width(),
                     frame.height());
    if (frame.origin != window_->frame().origin)
        window_->setFrameOrigin(frame.origin);
}

void WindowController::close() {
    if (loaded_ && window_)
        window_->close();
}

void WindowController::synchronizeWindowTitleWithDocumentName() {
    const auto owningDocument = document();
    if (owningDocument && window_)
        window_->setTitle(owningDocument->displayName());
}

} // namespace platform

#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Listeners.h"
#include "platform/base/Observation.h"
#include "platform/base/Property.h"
#include "platform/ui/ModalResponse.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Responder.h"
#include "platform/ui/SheetQueue.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"

#include <functional>
#include <limits>
#include <memory>

namespace platform {

class Text;
class WindowDelegate;

// A window of the screen. Its frame is in screen coordinates (origin at the lower left,
// y up) and includes the title bar and the toolbar. Make windows with std::make_shared.
//
// Each state below is observable through its property (frameProperty()...), under the
// key of the same name ("keyWindow" for isKeyWindow); "title" is writable by key. Answers
// the actions "performClose:", "performMiniaturize:" and "makeKeyAndOrderFront:".
//
// Next responder: none unless set; a document window sets its document (or window
// controller) there, so that nil-targeted actions reach it after the window.
class Window : public Responder {
public:
    using SheetHandler = std::function<void(ModalResponse returnCode)>;

    static constexpr double titleBarHeight = 22;
    // A toolbar of icons with labels; the window grows by this much when its toolbar is
    // shown and shrinks when it is hidden, keeping its top edge and content size.
    static constexpr double toolbarHeight = 55;

    Window();
    explicit Window(const Rect& frame);
    ~Window() override;

    // Frame and size
    [[nodiscard]] Rect frame() const { return frame_.get(); }
    [[nodiscard]] const Property<Rect>& frameProperty() const { return frame_; }
    // Minimum and maximum sizes bound the user's resizing only, as on the platform.
    void setFrame(const Rect& frame, bool display, bool animate);
    void setFrame(const Rect& frame, bool display) { setFrame(frame, display, false); }
    void setFrameOrigin(const Point& origin);
    // Whether the last change of frame asked to be animated (for the renderer).
    [[nodiscard]] bool frameChangeWasAnimated() const { return frameChangeAnimated_; }
    [[nodiscard]] Size minSize() const { return minSize_.get(); }
    void setMinSize(const Size& size) { minSize_.set(size); }
    [[nodiscard]] const Property<Size>& minSizeProperty() const { return minSize_; }
    [[nodiscard]] Size maxSize() const { return maxSize_.get(); }
    void setMaxSize(const Size& size) { maxSize_.set(size); }
    [[nodiscard]] const Property<Size>& maxSizeProperty() const { return maxSize_; }
    // Centred horizontally on the main screen's visible frame and a little above its
    // middle: a quarter of the spare height above the window, three quarters below.
    void center();
    // The frame without the title bar and, while it is shown, the toolbar.
    [[nodiscard]] Rect contentRectForFrameRect(const Rect& frame) const;
    [[nodiscard]] bool showsResizeIndicator() const { return showsResizeIndicator_.get(); }
    void setShowsResizeIndicator(bool shows) { showsResizeIndicator_.set(shows); }
    [[nodiscard]] const Property<bool>& showsResizeIndicatorProperty() const {
        return showsResizeIndicator_;
    }

    [[nodiscard]] String title() const { return title_.get(); }
    void setTitle(const String& title) { title_.set(title); }
    [[nodiscard]] const Property<String>& titleProperty() const { return title_; }
    // Whether the window shows its document's unsaved changes.
    [[nodiscard]] bool isDocumentEdited() const { return documentEdited_.get(); }
    void setDocumentEdited(bool edited) { documentEdited_.change(edited); }
    [[nodiscard]] const Property<bool>& documentEditedProperty() const { return documentEdited_; }

    // Fills the content rectangle.
    [[nodiscard]] std::shared_ptr<View> contentView() const { return contentView_.get(); }
    void setContentView(const std::shared_ptr<View>& view);
    [[nodiscard]] const Property<std::shared_ptr<View>>& contentViewProperty() const {
        return contentView_;
    }

    // Ordering and key status. The first time the window becomes key without a first
    // responder of its own, its initial first responder takes the keyboard focus, or else
    // the first view of its tree that takes it (a text or an editable field) and is shown.
    void makeKeyAndOrderFront(const Sender& sender);
    void orderOut(const Sender& sender);
    [[nodiscard]] bool isVisible() const { return visible_.get(); }
    [[nodiscard]] const Property<bool>& visibleProperty() const { return visible_; }
    [[nodiscard]] bool isKeyWindow() const { return key_.get(); }
    [[nodiscard]] const Property<bool>& keyWindowProperty() const { return key_; }
    // Closes without asking: tells the delegate, orders out and leaves the application's
    // windows.
    void close();
    // The close button: nothing for a sheet, while a sheet is attached, or when the
    // delegate answers that the window should not close.
    void performClose(const Sender& sender);
    // Minimizing; making the window key and ordering it front brings it back.
    [[nodiscard]] bool isMiniaturized() const { return miniaturized_.get(); }
    [[nodiscard]] const Property<bool>& miniaturizedProperty() const { return miniaturized_; }
    void miniaturize(const Sender& sender);
    void deminiaturize(const Sender& sender);
    void performMiniaturize(const Sender& sender) { miniaturize(sender); }

    // The old first responder resigns first and may refuse (the answer is then false).
    // None, or the window, makes the window its own first responder.
    bool makeFirstResponder(const std::shared_ptr<Responder>& responder);
    // The window itself when no other responder is first.
    [[nodiscard]] std::shared_ptr<Responder> firstResponder();
    [[nodiscard]] const ComputedProperty<std::shared_ptr<Responder>>&
    firstResponderProperty() const {
        return firstResponder_;
    }
    // Held weakly.
    [[nodiscard]] std::shared_ptr<View> initialFirstResponder() const {
        return initialFirstResponder_.lock();
    }
    void setInitialFirstResponder(const std::shared_ptr<View>& view) {
        initialFirstResponder_ = view;
    }

    // Every user change of a text in the window's view tree (the text tells it, after its
    // own delegate).
    [[nodiscard]] Observation observeTextChanges(std::function<void(Text& text)> observer) {
        return textChanges_.add(std::move(observer));
    }
    void textDidChange(Text& text) { textChanges_.tell(text); }

    [[nodiscard]] bool isExcludedFromWindowsMenu() const { return excludedFromWindowsMenu_.get(); }
    void setExcludedFromWindowsMenu(bool excluded) { excludedFromWindowsMenu_.set(excluded); }
    [[nodiscard]] const Property<bool>& excludedFromWindowsMenuProperty() const {
        return excludedFromWindowsMenu_;
    }

    // Taking a toolbar loads its items from its delegate.
    [[nodiscard]] std::shared_ptr<Toolbar> toolbar() const { return toolbar_.get(); }
    void setToolbar(const std::shared_ptr<Toolbar>& toolbar);
    [[nodiscard]] const Property<std::shared_ptr<Toolbar>>& toolbarProperty() const {
        return toolbar_;
    }
    [[nodiscard]] bool showsToolbarButton() const { return showsToolbarButton_.get(); }
    void setShowsToolbarButton(bool shows) { showsToolbarButton_.set(shows); }
    [[nodiscard]] const Property<bool>& showsToolbarButtonProperty() const {
        return showsToolbarButton_;
    }

    // Held weakly.
    [[nodiscard]] std::shared_ptr<WindowDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<WindowDelegate>& delegate) { delegate_ = delegate; }

    // Sheets. Beginning one returns at once; a sheet begun while another is attached
    // waits until the ones before it have ended. The handler runs when the sheet ends,
    // after it has left the window; then the next waiting sheet is attached. Ending a
    // sheet that still waits runs its handler without showing it. Beginning a sheet that
    // is already shown or waiting is a programming error.
    void beginSheet(const std::shared_ptr<Window>& sheet, SheetHandler handler);
    // Ends with the platform's stop answer, -1000.
    void endSheet(const std::shared_ptr<Window>& sheet);
    void endSheet(const std::shared_ptr<Window>& sheet, ModalResponse returnCode);
    // Ends the waiting sheets and then the attached one, each with the stop answer, and
    // any that their handlers begin meanwhile.
    void endAllSheets();
    [[nodiscard]] std::shared_ptr<Window> attachedSheet() const { return sheets_.attached(); }
    [[nodiscard]] const ComputedProperty<std::shared_ptr<Window>>& attachedSheetProperty() const {
        return attachedSheet_;
    }
    // The window this sheet is attached to; none for a sheet that waits or no sheet.
    [[nodiscard]] std::shared_ptr<Window> sheetParent() const;

    // User entry points. Moving sets the origin; resizing keeps the top-left corner and
    // bounds the size by the minimum and maximum sizes.
    void userMove(const Point& origin);
    void userResize(const Size& size);
    void userClose() { performClose(nullptr); }
    // The window manager minimized the window or brought it back.
    void userSetMiniaturized(bool miniaturized);

private:
    friend class Application;

    [[nodiscard]] std::shared_ptr<Window> self();
    void setVisible(bool visible) { visible_.change(visible); }
    void setKey(bool key);
    void attach(SheetQueue::Entry entry);
    void attachNextWaitingSheet();
    void toolbarVisibilityChanged();
    void resizeKeepingTop(double newHeight);
    void layoutContentView();
    void focusInitialFirstResponder();
    void focusInitialKeyView();
    void setMiniaturized(bool miniaturized) { miniaturized_.change(miniaturized); }

    Property<Rect> frame_;
    bool frameChangeAnimated_ = false;
    Property<Size> minSize_{*this, u"minSize"};
    Property<Size> maxSize_{
        *this, u"maxSize", {std::numeric_limits<float>::max(), std::numeric_limits<float>::max()}};
    Property<bool> showsResizeIndicator_{*this, u"showsResizeIndicator", true};
    Property<String> title_{*this, u"title", {}, KeyAccess::ReadWrite};
    Property<bool> documentEdited_{*this, u"documentEdited", false};
    Property<bool> miniaturized_{*this, u"miniaturized", false};
    Property<std::shared_ptr<View>> contentView_{*this, u"contentView"};
    Property<bool> visible_{*this, u"visible", false};
    Property<bool> key_{*this, u"keyWindow", false};
    std::weak_ptr<Responder> firstResponderHeld_;
    ComputedProperty<std::shared_ptr<Responder>> firstResponder_{*this, u"firstResponder",
                                                                 &Window::firstResponder};
    std::weak_ptr<View> initialFirstResponder_;
    bool focusedInitially_ = false;
    Listeners<Text&> textChanges_;
    Property<bool> excludedFromWindowsMenu_{*this, u"excludedFromWindowsMenu", false};
    Property<std::shared_ptr<Toolbar>> toolbar_{*this, u"toolbar"};
    bool toolbarShown_ = false;
    Observation toolbarVisibility_;
    Property<bool> showsToolbarButton_{*this, u"showsToolbarButton", true};
    std::weak_ptr<WindowDelegate> delegate_;
    SheetQueue sheets_;
    ComputedProperty<std::shared_ptr<Window>> attachedSheet_{*this, u"attachedSheet",
                                                             &Window::attachedSheet};
    std::weak_ptr<Window> sheetHost_; // the window a shown or waiting sheet belongs to
};

} // namespace platform

#pragma once

#include "platform/base/Observation.h"
#include "platform/base/Listeners.h"
#include "platform/ui/ModalResponse.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Responder.h"
#include "platform/ui/SheetQueue.h"

#include <functional>
#include <limits>
#include <memory>

namespace platform {

class Text;
class Toolbar;
class View;
class WindowDelegate;

// A window of the screen. Its frame is in screen coordinates (origin at the lower left,
// y up) and includes the title bar and the toolbar. Make windows with std::make_shared.
//
// Observable keys: "frame", "minSize", "maxSize", "title", "visible", "keyWindow",
// "firstResponder", "attachedSheet", "toolbar", "showsToolbarButton",
// "showsResizeIndicator", "excludedFromWindowsMenu", "documentEdited", "miniaturized"
// (observers read the accessors). Answers the actions "performClose:",
// "performMiniaturize:" and "makeKeyAndOrderFront:".
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
    [[nodiscard]] Rect frame() const { return frame_; }
    // Minimum and maximum sizes bound the user's resizing only, as on the platform.
    void setFrame(const Rect& frame, bool display, bool animate);
    void setFrame(const Rect& frame, bool display) { setFrame(frame, display, false); }
    void setFrameOrigin(const Point& origin);
    // Whether the last change of frame asked to be animated (for the renderer).
    [[nodiscard]] bool frameChangeWasAnimated() const { return frameChangeAnimated_; }
    [[nodiscard]] Size minSize() const { return minSize_; }
    void setMinSize(const Size& size);
    [[nodiscard]] Size maxSize() const { return maxSize_; }
    void setMaxSize(const Size& size);
    // Centred horizontally on the main screen's visible frame and a little above its
    // middle: a quarter of the spare height above the window, three quarters below.
    void center();
    // The frame without the title bar and, while it is shown, the toolbar.
    [[nodiscard]] Rect contentRectForFrameRect(const Rect& frame) const;
    [[nodiscard]] bool showsResizeIndicator() const { return showsResizeIndicator_; }
    void setShowsResizeIndicator(bool shows);

    [[nodiscard]] String title() const { return title_; }
    void setTitle(const String& title);
    // Whether the window shows its document's unsaved changes.
    [[nodiscard]] bool isDocumentEdited() const { return documentEdited_; }
    void setDocumentEdited(bool edited);

    // Fills the content rectangle.
    [[nodiscard]] std::shared_ptr<View> contentView() const { return contentView_; }
    void setContentView(const std::shared_ptr<View>& view);

    // Ordering and key status. The first time the window becomes key without a first
    // responder of its own, its initial first responder takes the keyboard focus, or else
    // the first view of its tree that takes it (a text or an editable field) and is shown.
    void makeKeyAndOrderFront(const Sender& sender);
    void orderOut(const Sender& sender);
    [[nodiscard]] bool isVisible() const { return visible_; }
    [[nodiscard]] bool isKeyWindow() const { return key_; }
    // Closes without asking: tells the delegate, orders out and leaves the application's
    // windows.
    void close();
    // The close button: nothing for a sheet, while a sheet is attached, or when the
    // delegate answers that the window should not close.
    void performClose(const Sender& sender);
    // Minimizing; making the window key and ordering it front brings it back.
    [[nodiscard]] bool isMiniaturized() const { return miniaturized_; }
    void miniaturize(const Sender& sender);
    void deminiaturize(const Sender& sender);
    void performMiniaturize(const Sender& sender) { miniaturize(sender); }

    // The old first responder resigns first and may refuse (the answer is then false).
    // None, or the window, makes the window its own first responder.
    bool makeFirstResponder(const std::shared_ptr<Responder>& responder);
    // The window itself when no other responder is first.
    [[nodiscard]] std::shared_ptr<Responder> firstResponder();
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

    [[nodiscard]] bool isExcludedFromWindowsMenu() const { return excludedFromWindowsMenu_; }
    void setExcludedFromWindowsMenu(bool excluded);

    // Taking a toolbar loads its items from its delegate.
    [[nodiscard]] std::shared_ptr<Toolbar> toolbar() const { return toolbar_; }
    void setToolbar(const std::shared_ptr<Toolbar>& toolbar);
    [[nodiscard]] bool showsToolbarButton() const { return showsToolbarButton_; }
    void setShowsToolbarButton(bool shows);

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
    [[nodiscard]] std::shared_ptr<Window> attachedSheet() const { return sheets_.attached(); }
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
    void setVisible(bool visible);
    void setKey(bool key);
    void attach(SheetQueue::Entry entry);
    void attachNextWaitingSheet();
    void toolbarVisibilityChanged();
    void resizeKeepingTop(double newHeight);
    void layoutContentView();
    void focusInitialFirstResponder();
    void setMiniaturized(bool miniaturized);

    Rect frame_;
    bool frameChangeAnimated_ = false;
    Size minSize_;
    Size maxSize_{std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    bool showsResizeIndicator_ = true;
    String title_;
    bool documentEdited_ = false;
    bool miniaturized_ = false;
    std::shared_ptr<View> contentView_;
    bool visible_ = false;
    bool key_ = false;
    std::weak_ptr<Responder> firstResponder_;
    std::weak_ptr<View> initialFirstResponder_;
    bool focusedInitially_ = false;
    Listeners<Text&> textChanges_;
    bool excludedFromWindowsMenu_ = false;
    std::shared_ptr<Toolbar> toolbar_;
    bool toolbarShown_ = false;
    Observation toolbarVisibility_;
    bool showsToolbarButton_ = true;
    std::weak_ptr<WindowDelegate> delegate_;
    SheetQueue sheets_;
    std::weak_ptr<Window> sheetHost_; // the window a shown or waiting sheet belongs to
};

} // namespace platform

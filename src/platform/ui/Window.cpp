#include "platform/ui/Window.h"

#include "platform/base/ProgrammingError.h"
#include "platform/ui/Application.h"
#include "platform/ui/KeyViewLoop.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"
#include "platform/ui/WindowDelegate.h"

#include <algorithm>
#include <utility>

namespace platform {

Window::Window() : Window(Rect()) {}

Window::Window(const Rect& frame) : frame_(frame) {
    exposeKey(
        u"title", [this] { return Value(title_); },
        [this](const Value& value) { setTitle(value.stringValue().value_or(u"")); });
    exposeKey(u"visible", [this] { return Value(Number::boolean(visible_)); });
    exposeKey(u"keyWindow", [this] { return Value(Number::boolean(key_)); });
    exposeAction(u"performClose:", [this](const Sender& sender) { performClose(sender); });
    exposeAction(u"performMiniaturize:",
                 [this](const Sender& sender) { performMiniaturize(sender); });
    exposeAction(u"makeKeyAndOrderFront:",
                 [this](const Sender& sender) { makeKeyAndOrderFront(sender); });
}

Window::~Window() = default;

std::shared_ptr<Window> Window::self() {
    return std::static_pointer_cast<Window>(shared_from_this());
}

void Window::setFrame(const Rect& frame, bool, bool animate) {
    frame_ = frame;
    frameChangeAnimated_ = animate;
    layoutContentView();
    didChangeValueForKey(u"frame");
}

void Window::setFrameOrigin(const Point& origin) {
    setFrame(Rect(origin, frame_.size), true);
}

void Window::setMinSize(const Size& size) {
    minSize_ = size;
    didChangeValueForKey(u"minSize");
}

void Window::setMaxSize(const Size& size) {
    maxSize_ = size;
    didChangeValueForKey(u"maxSize");
}

void Window::center() {
    const Rect visible = Screen::mainScreen().visibleFrame();
    setFrameOrigin({visible.minX() + (visible.width() - frame_.width()) / 2,
                    visible.minY() + (visible.height() - frame_.height()) * 3 / 4});
}

Rect Window::contentRectForFrameRect(const Rect& frame) const {
    const double bars = titleBarHeight + (toolbarShown_ ? toolbarHeight : 0);
    return Rect(frame.origin, {frame.width(), std::max(0.0, frame.height() - bars)});
}

void Window::setShowsResizeIndicator(bool shows) {
    showsResizeIndicator_ = shows;
    didChangeValueForKey(u"showsResizeIndicator");
}

void Window::setTitle(const String& title) {
    title_ = title;
    didChangeValueForKey(u"title");
}

void Window::setDocumentEdited(bool edited) {
    if (edited == documentEdited_)
        return;
    documentEdited_ = edited;
    didChangeValueForKey(u"documentEdited");
}

void Window::setContentView(const std::shared_ptr<View>& view) {
    if (contentView_)
        contentView_->setContentViewOf(nullptr);
    contentView_ = view;
    if (view) {
        view->removeFromSuperview();
        view->setContentViewOf(self());
        layoutContentView();
    }
    didChangeValueForKey(u"contentView");
}

void Window::layoutContentView() {
    if (contentView_)
        contentView_->setFrame(Rect({0, 0}, contentRectForFrameRect(frame_).size));
}

void Window::makeKeyAndOrderFront(const Sender&) {
    const auto application = Application::sharedApplication();
    setMiniaturized(false);
    setVisible(true);
    application->orderFront(self());
    focusInitialFirstResponder();
    const auto sheet = attachedSheet();
    application->makeKeyWindow(sheet ? sheet : self());
}

void Window::focusInitialFirstResponder() {
    if (std::exchange(focusedInitially_, true) || firstResponder_.lock())
        return;
    auto initial = initialFirstResponder();
    if (!initial || KeyViewLoop::isHiddenInTree(*initial))
        initial = KeyViewLoop::firstKeyView(contentView_);
    if (initial)
        (void)makeFirstResponder(initial);
}

void Window::miniaturize(const Sender&) {
    if (visible_ && !sheetParent())
        setMiniaturized(true);
}

void Window::deminiaturize(const Sender&) {
    setMiniaturized(false);
}

void Window::userSetMiniaturized(bool miniaturized) {
    if (miniaturized)
        miniaturize(nullptr);
    else
        deminiaturize(nullptr);
}

void Window::setMiniaturized(bool miniaturized) {
    if (miniaturized == miniaturized_)
        return;
    miniaturized_ = miniaturized;
    didChangeValueForKey(u"miniaturized");
}

void Window::orderOut(const Sender&) {
    if (!visible_)
        return;
    setVisible(false);
    Application::sharedApplication()->windowOrderedOut(*this);
}

void Window::close() {
    const auto keepAlive = self();
    if (const auto windowDelegate = delegate())
        windowDelegate->windowWillClose(*this);
    orderOut(nullptr);
    Application::sharedApplication()->windowClosed(*this);
}

void Window::performClose(const Sender&) {
    // Sheets have no close button; a window with a sheet waits for it.
    if (attachedSheet() || sheetParent())
        return;
    if (const auto windowDelegate = delegate();
        windowDelegate && !windowDelegate->windowShouldClose(*this))
        return;
    close();
}

void Window::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    didChangeValueForKey(u"visible");
}

void Window::setKey(bool key) {
    if (key == key_)
        return;
    key_ = key;
    didChangeValueForKey(u"keyWindow");
    if (const auto windowDelegate = delegate(); key && windowDelegate)
        windowDelegate->windowDidBecomeKey(*this);
}

bool Window::makeFirstResponder(const std::shared_ptr<Responder>& responder) {
    const auto current = firstResponder_.lock();
    const bool toWindow = !responder || responder.get() == this;
    if (toWindow ? !current : current == responder)
        return true;
    if (current && !current->resignFirstResponder())
        return false;
    firstResponder_.reset();
    const bool becomes = toWindow || responder->becomeFirstResponder();
    if (becomes && !toWindow)
        firstResponder_ = responder;
    didChangeValueForKey(u"firstResponder");
    return becomes;
}

std::shared_ptr<Responder> Window::firstResponder() {
    if (auto responder = firstResponder_.lock())
        return responder;
    return self();
}

void Window::setExcludedFromWindowsMenu(bool excluded) {
    excludedFromWindowsMenu_ = excluded;
    didChangeValueForKey(u"excludedFromWindowsMenu");
}

void Window::setToolbar(const std::shared_ptr<Toolbar>& toolbar) {
    if (toolbar == toolbar_)
        return;
    toolbarVisibility_.cancel();
    if (toolbar_) {
        toolbar_->attachedWindow_.reset();
        if (toolbarShown_)
            resizeKeepingTop(frame_.height() - toolbarHeight);
        toolbarShown_ = false;
    }
    toolbar_ = toolbar;
    if (toolbar_) {
        toolbar_->attachTo(self());
        toolbarVisibility_ =
            toolbar_->addObserver(u"visible", [this](const Value&) { toolbarVisibilityChanged(); });
        toolbarVisibilityChanged();
    }
    didChangeValueForKey(u"toolbar");
}

void Window::toolbarVisibilityChanged() {
    const bool shown = toolbar_ && toolbar_->isVisible();
    if (shown == toolbarShown_)
        return;
    toolbarShown_ = shown;
    resizeKeepingTop(frame_.height() + (shown ? toolbarHeight : -toolbarHeight));
}

void Window::resizeKeepingTop(double newHeight) {
    setFrame(Rect(frame_.minX(), frame_.maxY() - newHeight, frame_.width(), newHeight), true);
}

void Window::setShowsToolbarButton(bool shows) {
    showsToolbarButton_ = shows;
    didChangeValueForKey(u"showsToolbarButton");
}

void Window::beginSheet(const std::shared_ptr<Window>& sheet, SheetHandler handler) {
    if (!sheet || sheet.get() == this)
        return;
    if (sheet->sheetHost_.lock())
        programmingError("a sheet was begun while it is shown or waiting as a sheet");
    sheet->sheetHost_ = self();
    SheetQueue::Entry entry{sheet, std::move(handler)};
    if (sheets_.isEmpty())
        attach(std::move(entry));
    else
        sheets_.wait(std::move(entry));
}

void Window::attach(SheetQueue::Entry entry) {
    const auto sheet = entry.sheet;
    sheets_.attach(std::move(entry));
    sheet->setVisible(true);
    didChangeValueForKey(u"attachedSheet");
    if (key_)
        Application::sharedApplication()->makeKeyWindow(sheet);
}

void Window::endSheet(const std::shared_ptr<Window>& sheet) {
    endSheet(sheet, ModalResponseStop);
}

void Window::endSheet(const std::shared_ptr<Window>& sheet, ModalResponse returnCode) {
    if (!sheet)
        return;
    const auto keepAlive = self();
    if (auto entry = sheets_.detach(*sheet)) {
        didChangeValueForKey(u"attachedSheet");
        sheet->orderOut(nullptr);
        sheet->sheetHost_.reset();
        if (entry->handler)
            entry->handler(returnCode);
        attachNextWaitingSheet();
    } else if (auto waiting = sheets_.removeWaiting(*sheet)) {
        sheet->sheetHost_.reset();
        if (waiting->handler)
            waiting->handler(returnCode);
    }
}

void Window::attachNextWaitingSheet() {
    if (attachedSheet())
        return;
    if (auto next = sheets_.nextWaiting())
        attach(std::move(*next));
}

std::shared_ptr<Window> Window::sheetParent() const {
    auto host = sheetHost_.lock();
    return host && host->attachedSheet().get() == this ? host : nullptr;
}

void Window::userMove(const Point& origin) {
    setFrameOrigin(origin);
}

void Window::userResize(const Size& size) {
    const double width =
        std::clamp(size.width, minSize_.width, std::max(minSize_.width, maxSize_.width));
    const double height =
        std::clamp(size.height, minSize_.height, std::max(minSize_.height, maxSize_.height));
    setFrame(Rect(frame_.minX(), frame_.maxY() - height, width, height), true);
}

} // namespace platform

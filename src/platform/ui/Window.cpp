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

Window::Window(const Rect& frame) : frame_(*this, u"frame", frame) {
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

// The content view is laid out before the frame's observers hear of it.
void Window::setFrame(const Rect& frame, bool, bool animate) {
    frame_.modify([&](Rect& stored) {
        stored = frame;
        frameChangeAnimated_ = animate;
        layoutContentView();
    });
}

void Window::setFrameOrigin(const Point& origin) {
    setFrame(Rect(origin, frame().size), true);
}

void Window::center() {
    const Rect visible = Screen::mainScreen().visibleFrame();
    setFrameOrigin({visible.minX() + (visible.width() - frame().width()) / 2,
                    visible.minY() + (visible.height() - frame().height()) * 3 / 4});
}

Rect Window::contentRectForFrameRect(const Rect& frame) const {
    const double bars = titleBarHeight + (toolbarShown_ ? toolbarHeight : 0);
    return Rect(frame.origin, {frame.width(), std::max(0.0, frame.height() - bars)});
}

void Window::setContentView(const std::shared_ptr<View>& view) {
    if (const auto old = contentView())
        old->setContentViewOf(nullptr);
    contentView_.modify([&](auto& stored) {
        stored = view;
        if (!view)
            return;
        view->removeFromSuperview();
        view->setContentViewOf(self());
        layoutContentView();
    });
}

void Window::layoutContentView() {
    if (const auto view = contentView())
        view->setFrame(Rect({0, 0}, contentRectForFrameRect(frame()).size));
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
    if (!std::exchange(focusedInitially_, true) && !firstResponderHeld_.lock())
        focusInitialKeyView();
}

void Window::focusInitialKeyView() {
    auto initial = initialFirstResponder();
    if (!initial || KeyViewLoop::isHiddenInTree(*initial))
        initial = KeyViewLoop::firstKeyView(contentView());
    if (initial)
        (void)makeFirstResponder(initial);
}

void Window::miniaturize(const Sender&) {
    if (isVisible() && !sheetParent())
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

void Window::orderOut(const Sender&) {
    if (!isVisible())
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

void Window::setKey(bool key) {
    if (!key_.change(key))
        return;
    if (const auto windowDelegate = delegate(); key && windowDelegate)
        windowDelegate->windowDidBecomeKey(*this);
}

bool Window::makeFirstResponder(const std::shared_ptr<Responder>& responder) {
    const auto current = firstResponderHeld_.lock();
    const bool toWindow = !responder || responder.get() == this;
    if (toWindow ? !current : current == responder)
        return true;
    if (current && !current->resignFirstResponder())
        return false;
    firstResponderHeld_.reset();
    const bool becomes = toWindow || responder->becomeFirstResponder();
    if (becomes && !toWindow)
        firstResponderHeld_ = responder;
    firstResponder_.changed();
    return becomes;
}

std::shared_ptr<Responder> Window::firstResponder() {
    if (auto responder = firstResponderHeld_.lock())
        return responder;
    return self();
}

void Window::setToolbar(const std::shared_ptr<Toolbar>& toolbar) {
    const auto old = this->toolbar();
    if (toolbar == old)
        return;
    toolbarVisibility_.cancel();
    if (old) {
        old->attachedWindow_.reset();
        if (toolbarShown_)
            resizeKeepingTop(frame().height() - toolbarHeight);
        toolbarShown_ = false;
    }
    toolbar_.modify([&](auto& stored) {
        stored = toolbar;
        if (!toolbar)
            return;
        toolbar->attachTo(self());
        toolbarVisibility_ =
            toolbar->visibleProperty().observe([this] { toolbarVisibilityChanged(); });
        toolbarVisibilityChanged();
    });
}

void Window::toolbarVisibilityChanged() {
    const auto toolbar = this->toolbar();
    const bool shown = toolbar && toolbar->isVisible();
    if (shown == toolbarShown_)
        return;
    toolbarShown_ = shown;
    resizeKeepingTop(frame().height() + (shown ? toolbarHeight : -toolbarHeight));
}

void Window::resizeKeepingTop(double newHeight) {
    const Rect old = frame();
    setFrame(Rect(old.minX(), old.maxY() - newHeight, old.width(), newHeight), true);
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
    // Each showing starts where the sheet's first showing did, not at the button that
    // ended the last one.
    sheet->focusInitialKeyView();
    attachedSheet_.changed();
    if (isKeyWindow())
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
        attachedSheet_.changed();
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

void Window::endAllSheets() {
    const auto keepAlive = self();
    // A handler that begins a sheet on every stop must not hold the window for ever.
    constexpr int rounds = 8;
    for (int round = 0; round < rounds && !sheets_.isEmpty(); ++round) {
        while (auto waiting = sheets_.nextWaiting()) {
            waiting->sheet->sheetHost_.reset();
            if (waiting->handler)
                waiting->handler(ModalResponseStop);
        }
        endSheet(attachedSheet());
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
    const Size min = minSize();
    const Size max = maxSize();
    const double width = std::clamp(size.width, min.width, std::max(min.width, max.width));
    const double height = std::clamp(size.height, min.height, std::max(min.height, max.height));
    const Rect old = frame();
    setFrame(Rect(old.minX(), old.maxY() - height, width, height), true);
}

} // namespace platform

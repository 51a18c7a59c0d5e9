#include "gui/WindowWidget.h"

#include "gui/ActivationGuard.h"
#include "gui/MenuBarBinding.h"
#include "gui/QtString.h"
#include "gui/SheetBinding.h"
#include "gui/ToolbarBinding.h"
#include "gui/ViewBinding.h"
#include "gui/ViewFactory.h"
#include "platform/ui/Application.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QSizeGrip>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <limits>

namespace gui {
namespace {

// Qt's largest widget size.
constexpr int largestSize = 16'777'215;

int bounded(double size) {
    return static_cast<int>(std::lround(std::clamp(size, 0.0, static_cast<double>(largestSize))));
}

} // namespace

WindowWidget::WindowWidget(std::shared_ptr<platform::Window> window,
                           std::shared_ptr<platform::Application> application,
                           ScreenMapping mapping, ActivationGuard& activation)
    : window_(std::move(window)), application_(std::move(application)), mapping_(mapping),
      activation_(activation) {
    sizeGrip_ = new QSizeGrip(this);
    sheets_ = new SheetBinding(window_, this);
    auto* bar = new QMenuBar(this);
    setMenuBar(bar);
    menuBar_ = new MenuBarBinding(application_, bar, [this] {
        showSizeLimits();
        showFrame();
    });
    showTitle();
    showToolbar();
    showContentView();
    showSizeLimits();
    showResizeIndicator();
    showFrame();
    observeWindow();
    showVisible();
}

WindowWidget::~WindowWidget() = default;

void WindowWidget::observeWindow() {
    const auto watch = [this](const platform::PropertyBase& property,
                              void (WindowWidget::*shower)()) {
        observations_.push_back(property.observe([this, shower] { (this->*shower)(); }));
    };
    const platform::Window& window = *window_;
    watch(window.frameProperty(), &WindowWidget::showFrame);
    watch(window.minSizeProperty(), &WindowWidget::showSizeLimits);
    watch(window.maxSizeProperty(), &WindowWidget::showSizeLimits);
    watch(window.showsResizeIndicatorProperty(), &WindowWidget::showResizeIndicator);
    watch(window.visibleProperty(), &WindowWidget::showVisible);
    watch(window.keyWindowProperty(), &WindowWidget::showKey);
    watch(window.toolbarProperty(), &WindowWidget::showToolbar);
    watch(window.contentViewProperty(), &WindowWidget::showContentView);
    watch(window.firstResponderProperty(), &WindowWidget::showFirstResponder);
    watch(window.titleProperty(), &WindowWidget::showTitle);
    watch(window.documentEditedProperty(), &WindowWidget::showTitle);
    watch(window.miniaturizedProperty(), &WindowWidget::showMiniaturized);
    watch(window.attachedSheetProperty(), &WindowWidget::refocusAfterSheet);
}

// Qt shows the edited mark where the title holds its placeholder.
void WindowWidget::showTitle() {
    setWindowTitle(toQString(window_->title()) + QStringLiteral("[*]"));
    setWindowModified(window_->isDocumentEdited());
}

void WindowWidget::showMiniaturized() {
    if (window_->isMiniaturized() == isMinimized())
        return;
    showingModel_ = true;
    if (window_->isMiniaturized())
        showMinimized();
    else if (window_->isVisible())
        showNormal();
    showingModel_ = false;
}

// Once a sheet has gone, the focus returns to the window's first responder, after Qt has
// given it back to the widget that had it.
void WindowWidget::refocusAfterSheet() {
    if (window_->attachedSheet())
        return;
    QTimer::singleShot(0, this, [this] {
        if (!window_->attachedSheet())
            focusFirstResponder();
    });
}

int WindowWidget::menuBarHeight() const {
    return menuBar_ ? menuBar_->height() : 0;
}

void WindowWidget::showFrame() {
    const QRect geometry = mapping_.toQt(window_->frame(), menuBarHeight());
    if (geometry == this->geometry())
        return;
    showingModel_ = true;
    setGeometry(geometry);
    showingModel_ = false;
    placeSheet();
}

// The limits bound the frame, title bar included; the widget has the menu bar besides.
void WindowWidget::showSizeLimits() {
    const int extra = menuBarHeight() - static_cast<int>(platform::Window::titleBarHeight);
    const platform::Size min = window_->minSize();
    const platform::Size max = window_->maxSize();
    showingModel_ = true;
    setMinimumSize(bounded(min.width), bounded(min.height + extra));
    setMaximumSize(bounded(std::max(min.width, max.width)),
                   bounded(std::max(min.height, max.height) + extra));
    showingModel_ = false;
    showResizeIndicator();
}

// A window whose minimum and maximum sizes are equal cannot be resized at all.
void WindowWidget::showResizeIndicator() {
    const bool fixed = minimumSize() == maximumSize();
    sizeGrip_->setVisible(window_->showsResizeIndicator() && !fixed);
    sizeGrip_->raise();
}

void WindowWidget::showVisible() {
    if (window_->isVisible()) {
        show();
        showKey();
    } else {
        hide();
    }
    sheets_->refresh();
    placeSheet();
}

void WindowWidget::showKey() {
    if (window_->isKeyWindow() && isVisible() && !isActiveWindow())
        activation_.activate(this);
}

void WindowWidget::showToolbar() {
    if (toolbar_) {
        removeToolBar(toolbar_);
        toolbar_->deleteLater();
        toolbar_ = nullptr;
    }
    if (const auto toolbar = window_->toolbar()) {
        toolbar_ = new QToolBar(this);
        addToolBar(Qt::TopToolBarArea, toolbar_);
        new ToolbarBinding(toolbar, toolbar_);
    }
}

void WindowWidget::showContentView() {
    const auto view = window_->contentView();
    QWidget* content = view ? ViewFactory::widgetFor(view, this) : new QWidget(this);
    // The old content goes later: the change may come from one of its own signals.
    if (QWidget* old = takeCentralWidget()) {
        old->hide();
        old->deleteLater();
    }
    setCentralWidget(content);
    showFirstResponder();
}

void WindowWidget::showFirstResponder() {
    if (QWidget* focus = firstResponderWidget())
        focus->setFocus(Qt::OtherFocusReason);
}

// A field that gets the focus back has its text selected, so that typing replaces it.
void WindowWidget::focusFirstResponder() {
    QWidget* focus = firstResponderWidget();
    if (!focus)
        return;
    focus->setFocus(Qt::OtherFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(focus))
        field->selectAll();
}

QWidget* WindowWidget::firstResponderWidget() const {
    ViewBinding* binding = ViewBinding::find(centralWidget(), window_->firstResponder().get());
    return binding ? binding->focusWidget() : nullptr;
}

void WindowWidget::placeSheet() {
    const QWidget* content = centralWidget();
    sheets_->place(content ? content->y() : 0);
}

void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !showingModel_) {
        const auto keepAlive = window_;
        window_->userSetMiniaturized(isMinimized());
    }
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && activation_.activatedByUser(this) &&
        window_->isVisible() && !window_->isKeyWindow() && !window_->attachedSheet())
        window_->makeKeyAndOrderFront(nullptr);
    return QMainWindow::event(event);
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    userChangedGeometry();
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize grip = sizeGrip_->sizeHint();
    sizeGrip_->setGeometry(width() - grip.width(), height() - grip.height(), grip.width(),
                           grip.height());
    userChangedGeometry();
}

void WindowWidget::userChangedGeometry() {
    if (showingModel_ || !isVisible())
        return;
    const platform::Rect reported = mapping_.toModel(geometry(), menuBarHeight());
    const platform::Rect frame = window_->frame();
    if (reported == frame)
        return;
    const auto keepAlive = window_;
    if (reported.size != frame.size)
        window_->userResize(reported.size);
    // Resizing keeps the top-left corner; a drag of the top or left edge moves it too.
    const platform::Rect resized = window_->frame();
    if (reported.minX() != resized.minX() || reported.maxY() != resized.maxY())
        window_->userMove({reported.minX(), reported.maxY() - resized.height()});
    // The model's answer: a size it bounded, a position it kept.
    showFrame();
    placeSheet();
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    const auto keepAlive = window_;
    window_->userClose();
}

} // namespace gui

#pragma once

#include "gui/ScreenMapping.h"
#include "platform/base/Observation.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QSizeGrip;
class QToolBar;

namespace platform {
class Application;
class Window;
} // namespace platform

namespace gui {

class ActivationGuard;
class MenuBarBinding;
class SheetBinding;

// A window of the model as a top-level widget: its frame, size limits, resize indicator,
// title with the mark of unsaved changes, visibility, minimizing and key status, its
// toolbar, the application's main menu as its menu
// bar, its content view and its sheets, all kept in step by observing the model. The
// user's moves, resizes, close button and activation go to the window's entry points;
// the model's answer (a clamped size, a window that stays open) is then shown.
//
// Frames never echo: a geometry the widget reports that is the model's frame already is
// not handed back.
class WindowWidget : public QMainWindow {
public:
    WindowWidget(std::shared_ptr<platform::Window> window,
                 std::shared_ptr<platform::Application> application, ScreenMapping mapping,
                 ActivationGuard& activation);
    ~WindowWidget() override;

    [[nodiscard]] const std::shared_ptr<platform::Window>& window() const { return window_; }
    [[nodiscard]] SheetBinding& sheets() const { return *sheets_; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void observeWindow();
    void showFrame();
    void showSizeLimits();
    void showResizeIndicator();
    void showVisible();
    void showKey();
    void showToolbar();
    void showContentView();
    void showFirstResponder();
    void focusFirstResponder();
    [[nodiscard]] QWidget* firstResponderWidget() const;
    void showTitle();
    void showMiniaturized();
    void refocusAfterSheet();
    void placeSheet();
    void userChangedGeometry();
    [[nodiscard]] int menuBarHeight() const;

    std::shared_ptr<platform::Window> window_;
    std::shared_ptr<platform::Application> application_;
    ScreenMapping mapping_;
    ActivationGuard& activation_;
    MenuBarBinding* menuBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QSizeGrip* sizeGrip_ = nullptr;
    SheetBinding* sheets_ = nullptr;
    bool showingModel_ = false;
    std::vector<platform::Observation> observations_;
};

} // namespace gui

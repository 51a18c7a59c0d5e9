#pragma once

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace platform {
class PrintOperation;
class Window;
} // namespace platform

namespace gui {

// Presents print operations as Qt's print dialog (a PrintDialog), which returns at once:
// modal to the widget of the window the view lies in, else to the application.
class PrintPresenter {
public:
    // The widget a window is rendered as; none for one that is not.
    using WindowWidgets = std::function<QWidget*(const platform::Window& window)>;

    // Installs the presenter for every print operation; uninstall() removes it. The shared
    // print info starts with the paper of the default printer, when there is one.
    static void install(WindowWidgets widgets);
    static void uninstall();

    static void present(const std::shared_ptr<platform::PrintOperation>& operation,
                        const WindowWidgets& widgets);

    // Shows a dialog modal to the window's widget, or to the application without one.
    static void show(QDialog& dialog, bool ofWindow);
};

} // namespace gui

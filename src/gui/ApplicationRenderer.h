#pragma once

#include "gui/ActivationGuard.h"
#include "gui/ScreenMapping.h"
#include "platform/base/Observation.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

namespace platform {
class Application;
class Window;
class Workspace;
} // namespace platform

namespace gui {

class QtModalRunner;
class WindowWidget;

// Renders the model's application on the Qt application that runs: a widget for each window
// that the application has ordered front and not closed (made when the window comes, gone
// when it is closed), application-modal alerts through a nested event loop, print
// operations and page layouts through the print and page setup dialogs, the general
// pasteboard through the clipboard, the workspace's desktop requests through Qt's desktop
// services, and the application's active state from Qt's. Sets the model's main screen
// from the primary screen.
class ApplicationRenderer : public QObject {
public:
    explicit ApplicationRenderer(std::shared_ptr<platform::Application> application);
    ~ApplicationRenderer() override;
    ApplicationRenderer(const ApplicationRenderer&) = delete;
    ApplicationRenderer& operator=(const ApplicationRenderer&) = delete;

    // None for a window that is not rendered (a sheet is its window's dialog).
    [[nodiscard]] WindowWidget* widgetFor(const platform::Window& window) const;
    [[nodiscard]] QtModalRunner& modalRunner() const { return *modalRunner_; }

private:
    struct Rendered {
        std::shared_ptr<platform::Window> window;
        QPointer<WindowWidget> widget;
        platform::Observation visibility;
    };

    void renderWindows();
    void renderWindowsLater();

    std::shared_ptr<platform::Application> application_;
    std::shared_ptr<QtModalRunner> modalRunner_;
    std::shared_ptr<platform::Workspace> workspace_;
    ScreenMapping mapping_;
    ActivationGuard activation_;
    std::vector<Rendered> rendered_;
    // Widgets of closed windows, deleted later; they share activation_ until they go.
    std::vector<QPointer<WindowWidget>> closing_;
    bool renderPending_ = false;
    platform::Observation keyWindowChanged_;
};

} // namespace gui

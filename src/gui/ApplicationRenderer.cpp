#include "gui/ApplicationRenderer.h"

#include "gui/ClipboardBridge.h"
#include "gui/PageLayoutPresenter.h"
#include "gui/PrintPresenter.h"
#include "gui/QtDesktopServices.h"
#include "gui/QtModalRunner.h"
#include "gui/WindowWidget.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Application.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace gui {

ApplicationRenderer::ApplicationRenderer(std::shared_ptr<platform::Application> application)
    : application_(std::move(application)), modalRunner_(std::make_shared<QtModalRunner>()),
      workspace_(std::make_shared<platform::Workspace>(std::make_shared<QtDesktopServices>())) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        application_->setMainScreen(
            ScreenMapping::modelScreen(screen->geometry(), screen->availableGeometry()));
    application_->setModalRunner(modalRunner_);
    const auto widgets = [this](const platform::Window& window) -> QWidget* {
        return widgetFor(window);
    };
    PrintPresenter::install(widgets);
    PageLayoutPresenter::install(widgets);
    platform::Workspace::setSharedWorkspace(workspace_);
    new ClipboardBridge(platform::Pasteboard::generalPasteboard(), this);
    auto* qtApplication = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    connect(qtApplication, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                application_->setActive(state == Qt::ApplicationActive);
            });
    application_->setActive(QGuiApplication::applicationState() == Qt::ApplicationActive);
    // Ordering a window front makes it, or its sheet, the key window.
    keyWindowChanged_ = application_->keyWindowProperty().observe([this] { renderWindows(); });
    renderWindows();
}

ApplicationRenderer::~ApplicationRenderer() {
    keyWindowChanged_.cancel();
    for (auto& rendered : rendered_)
        delete rendered.widget.data();
    rendered_.clear();
    for (auto& widget : closing_)
        delete widget.data();
    PrintPresenter::uninstall();
    PageLayoutPresenter::uninstall();
    if (platform::Workspace::sharedWorkspace() == workspace_)
        platform::Workspace::setSharedWorkspace(nullptr);
    if (application_->modalRunner() == modalRunner_)
        application_->setModalRunner(nullptr);
}

WindowWidget* ApplicationRenderer::widgetFor(const platform::Window& window) const {
    const auto found = std::find_if(rendered_.begin(), rendered_.end(), [&](const auto& rendered) {
        return rendered.window.get() == &window;
    });
    return found == rendered_.end() ? nullptr : found->widget.data();
}

void ApplicationRenderer::renderWindows() {
    const auto windows = application_->windows();
    std::erase_if(closing_, [](const QPointer<WindowWidget>& widget) { return widget.isNull(); });
    std::erase_if(rendered_, [&](Rendered& rendered) {
        if (std::find(windows.begin(), windows.end(), rendered.window) != windows.end())
            return false;
        if (rendered.widget) {
            rendered.widget->hide();
            rendered.widget->deleteLater();
            closing_.push_back(rendered.widget);
        }
        return true;
    });
    for (const auto& window : windows) {
        if (widgetFor(*window))
            continue;
        // A window that is closed leaves the application's windows after it was hidden.
        auto visibility = window->visibleProperty().observe([this] { renderWindowsLater(); });
        rendered_.push_back({window, new WindowWidget(window, application_, mapping_, activation_),
                             std::move(visibility)});
    }
}

void ApplicationRenderer::renderWindowsLater() {
    if (renderPending_)
        return;
    renderPending_ = true;
    QTimer::singleShot(0, this, [this] {
        renderPending_ = false;
        renderWindows();
    });
}

} // namespace gui

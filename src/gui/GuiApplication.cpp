#include "gui/GuiApplication.h"

#include "gui/ApplicationRenderer.h"
#include "gui/DesktopRequestPerformer.h"
#include "gui/QtRunLoop.h"
#include "gui/QtString.h"
#include "gui/SessionBusService.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"

#include <QApplication>
#include <QIcon>
#include <iostream>

namespace gui {

// In the order they are made; they go in the reverse one, the Qt application last.
struct GuiApplication::Parts {
    Parts(int arguments, char** argv, std::shared_ptr<platform::Application> model)
        : argc(arguments), qt(argc, argv), application(std::move(model)) {}

    int argc;
    QApplication qt;
    QtRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    std::shared_ptr<platform::Application> application;
    std::unique_ptr<ApplicationRenderer> renderer;
    platform::Observation runningChanged;
    std::optional<platform::DesktopRequest> request;
    DesktopRequestPerformer performer{application};
    SessionBusService bus{application, performer};
};

GuiApplication::GuiApplication(int argc, char** argv,
                               std::shared_ptr<platform::Application> application,
                               std::optional<platform::DesktopRequest> request)
    : parts_(std::make_unique<Parts>(argc, argv, std::move(application))) {
    parts_->request = std::move(request);
    platform::Application::setSharedApplication(parts_->application);
    // The model decides when the program ends, not its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setApplicationDisplayName(toQString(parts_->application->displayName()));
    // The desktop ties the windows to the installed entry by this ID; the icon theme has the
    // icon only where the prefix is among the data folders, the resources always.
    const platform::String appId = u"example.sealscribe.Sealscribe";
    QGuiApplication::setDesktopFileName(toQString(appId));
    const auto iconFile = platform::Bundle::mainBundle()->pathForResource(appId, u"svg");
    QApplication::setWindowIcon(
        QIcon::fromTheme(toQString(appId), iconFile ? QIcon(toQString(*iconFile)) : QIcon()));
    parts_->renderer = std::make_unique<ApplicationRenderer>(parts_->application);
}

GuiApplication::~GuiApplication() = default;

int GuiApplication::run() {
    auto& application = *parts_->application;
    application.finishLaunching();
    if (!application.isRunning())
        return 0;
    parts_->runningChanged = application.runningProperty().observe([&application] {
        if (!application.isRunning())
            QCoreApplication::exit(0);
    });
    (void)parts_->bus.publish();
    if (parts_->request && parts_->request->kind != platform::DesktopRequest::Kind::openFiles)
        parts_->performer.perform(
            std::move(*parts_->request), [](const std::optional<platform::String>& failure) {
                if (failure)
                    std::cerr << "sealscribe: " << platform::toUtf8Lossy(*failure) << "\n";
            });
    return QApplication::exec();
}

int runApplication(int argc, char** argv, const std::shared_ptr<platform::Application>& application,
                   std::optional<platform::DesktopRequest> request) {
    GuiApplication program(argc, argv, application, std::move(request));
    return program.run();
}

} // namespace gui

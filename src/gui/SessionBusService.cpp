#include "gui/SessionBusService.h"

#include "gui/DesktopRequestPerformer.h"
#include "gui/QtString.h"
#include "platform/ui/Application.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <unistd.h>

namespace gui {

SessionBusService::SessionBusService(std::shared_ptr<platform::Application> application,
                                     DesktopRequestPerformer& performer)
    : application_(std::move(application)), performer_(performer) {}

SessionBusService::~SessionBusService() {
    unpublish();
}

bool SessionBusService::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(QString::fromLatin1(objectPath), this,
                            QDBusConnection::ExportScriptableSlots))
        return false;
    if (!bus.registerService(QString::fromLatin1(serviceName))) {
        bus.unregisterObject(QString::fromLatin1(objectPath));
        return false;
    }
    published_ = true;
    runningChanged_ = application_->runningProperty().observe([this] {
        if (!application_->isRunning())
            unpublish();
    });
    return true;
}

void SessionBusService::unpublish() {
    if (!published_)
        return;
    published_ = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(QString::fromLatin1(serviceName));
    bus.unregisterObject(QString::fromLatin1(objectPath));
}

bool SessionBusService::callerIsOwnUser() {
    const auto uid = connection().interface()->serviceUid(message().service());
    if (uid.isValid() && uid.value() == ::getuid())
        return true;
    sendErrorReply(QDBusError::AccessDenied,
                   QStringLiteral("Only the program's own user may ask."));
    return false;
}

void SessionBusService::perform(platform::DesktopRequest request) {
    setDelayedReply(true);
    performer_.perform(std::move(request), [bus = connection(), call = message()](
                                               const std::optional<platform::String>& failure) {
        bus.send(failure
                     ? call.createErrorReply(QString::fromLatin1(failedError), toQString(*failure))
                     : call.createReply());
    });
}

void SessionBusService::Open(const QStringList& paths) {
    if (!callerIsOwnUser())
        return;
    platform::DesktopRequest request;
    request.kind = platform::DesktopRequest::Kind::openFiles;
    for (const auto& path : paths)
        request.paths.push_back(fromQString(path));
    perform(std::move(request));
}

void SessionBusService::NewDocumentFromText(const QByteArray& text) {
    if (!callerIsOwnUser())
        return;
    platform::DesktopRequest request;
    request.kind = platform::DesktopRequest::Kind::newFromText;
    request.text.assign(text.begin(), text.end());
    perform(std::move(request));
}

void SessionBusService::NewDocumentFromSelection() {
    if (!callerIsOwnUser())
        return;
    platform::DesktopRequest request;
    request.kind = platform::DesktopRequest::Kind::newFromSelection;
    perform(std::move(request));
}

void SessionBusService::OpenAndUnlock(const QString& path, const QString& password) {
    if (!callerIsOwnUser())
        return;
    platform::DesktopRequest request;
    request.kind = platform::DesktopRequest::Kind::unlock;
    request.paths.push_back(fromQString(path));
    request.password = fromQString(password);
    perform(std::move(request));
}

} // namespace gui

#include "gui/SessionBusClient.h"

#include "gui/QtString.h"
#include "gui/SessionBusService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <climits>
#include <iostream>

namespace gui {
namespace {

constexpr auto connectionName = "sealscribe-forward";

QDBusMessage call(const platform::DesktopRequest& request) {
    using Kind = platform::DesktopRequest::Kind;
    const auto method = [&request] {
        switch (request.kind) {
        case Kind::openFiles:
            return "Open";
        case Kind::newFromText:
            return "NewDocumentFromText";
        case Kind::newFromSelection:
            return "NewDocumentFromSelection";
        case Kind::unlock:
            return "OpenAndUnlock";
        }
        return "Open";
    }();
    auto message = QDBusMessage::createMethodCall(
        QString::fromLatin1(SessionBusService::serviceName),
        QString::fromLatin1(SessionBusService::objectPath),
        QString::fromLatin1(SessionBusService::interfaceName), QString::fromLatin1(method));
    switch (request.kind) {
    case Kind::openFiles: {
        QStringList paths;
        for (const auto& path : request.paths)
            paths.push_back(toQString(path));
        message << paths;
        break;
    }
    case Kind::newFromText:
        message << QByteArray(reinterpret_cast<const char*>(request.text.data()),
                              static_cast<qsizetype>(request.text.size()));
        break;
    case Kind::newFromSelection:
        break;
    case Kind::unlock:
        message << toQString(request.paths.front()) << toQString(request.password);
        break;
    }
    // The instance may start without its name: it then runs as a program of its own.
    message.setAutoStartService(false);
    return message;
}

std::optional<int> forwardOn(QDBusConnection& bus, const platform::DesktopRequest& request) {
    if (!bus.isConnected())
        return std::nullopt;
    const auto owned =
        bus.interface()->isServiceRegistered(QString::fromLatin1(SessionBusService::serviceName));
    if (!owned.isValid() || !owned.value())
        return std::nullopt;
    const QDBusMessage reply = bus.call(call(request), QDBus::Block, INT_MAX);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return 0;
    // Gone between the question and the call: this start becomes the program.
    if (reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
        reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return std::nullopt;
    std::cerr << "sealscribe: " << reply.errorMessage().toStdString() << "\n";
    return 1;
}

} // namespace

std::optional<int> SessionBusClient::forward(const platform::DesktopRequest& request) {
    // The bus connection wants an application object; a core one needs no display.
    int argc = 1;
    char name[] = "sealscribe";
    char* argv[] = {name, nullptr};
    std::optional<int> status;
    {
        const QCoreApplication core(argc, argv);
        auto bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                 QString::fromLatin1(connectionName));
        status = forwardOn(bus, request);
        QDBusConnection::disconnectFromBus(QString::fromLatin1(connectionName));
    }
    return status;
}

} // namespace gui

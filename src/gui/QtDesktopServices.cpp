#include "gui/QtDesktopServices.h"

#include "gui/QtString.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace gui {
namespace {

void open(const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        qWarning("Sealscribe: could not open %s", qPrintable(url.toString()));
}

QUrl folderHolding(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return QUrl::fromLocalFile(QFileInfo(path).path());
}

} // namespace

void QtDesktopServices::openURL(const platform::URL& url) {
    open(QUrl::fromEncoded(QByteArray::fromStdString(platform::toUtf8Lossy(url.absoluteString()))));
}

void QtDesktopServices::openFile(const platform::String& path) {
    open(QUrl::fromLocalFile(toQString(path)));
}

void QtDesktopServices::revealFile(const platform::String& path) {
    const QString item = toQString(path);
    const QUrl folder = folderHolding(item);
    const QDBusConnection bus = bus_.value_or(QDBusConnection::sessionBus());
    if (!bus.isConnected()) {
        open(folder);
        return;
    }
    const QDBusPendingCall call =
        bus.asyncCall(showItemsMessage({QUrl::fromLocalFile(item).toString(QUrl::FullyEncoded)}));
    auto* watcher = new QDBusPendingCallWatcher(call, QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [folder](QDBusPendingCallWatcher* finished) {
                         if (finished->isError())
                             open(folder);
                         finished->deleteLater();
                     });
}

QDBusMessage QtDesktopServices::showItemsMessage(const QStringList& uris) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    message << uris << QString();
    return message;
}

} // namespace gui

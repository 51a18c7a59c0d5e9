#pragma once

#include "platform/system/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <optional>

namespace gui {

// The desktop requests through Qt: URLs and files go to QDesktopServices, which asks the
// desktop (its portal or xdg-open); an item to reveal goes to the file manager as
// org.freedesktop.FileManager1.ShowItems on the session bus, and where no file manager
// answers, the folder that holds it is opened instead.
class QtDesktopServices : public platform::DesktopServices {
public:
    // On the session bus, reached when an item is first revealed.
    QtDesktopServices() = default;
    explicit QtDesktopServices(QDBusConnection bus) : bus_(std::move(bus)) {}

    void openURL(const platform::URL& url) override;
    void openFile(const platform::String& path) override;
    void revealFile(const platform::String& path) override;

    // The ShowItems call for the items (file: URIs), without a start-up notification.
    [[nodiscard]] static QDBusMessage showItemsMessage(const QStringList& uris);

private:
    std::optional<QDBusConnection> bus_;
};

} // namespace gui

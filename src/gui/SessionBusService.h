#pragma once

#include "platform/base/Observation.h"
#include "platform/ui/DesktopRequest.h"

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <memory>

namespace platform {
class Application;
}

namespace gui {

class DesktopRequestPerformer;

// The running program's object on the session bus, through which a later start of the
// program hands over its request. A method answers once the request has been performed:
// an empty reply when it worked, else an error whose message is the reason. Callers of
// another user are refused; the bus admits only the user's own, but a system's policy may
// say otherwise, and OpenAndUnlock carries a password.
class SessionBusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.sealscribe.Sealscribe")

public:
    static constexpr const char* serviceName = "example.sealscribe.Sealscribe";
    static constexpr const char* objectPath = "/example/sealscribe/Sealscribe";
    static constexpr const char* interfaceName = "example.sealscribe.Sealscribe";
    static constexpr const char* failedError = "example.sealscribe.Sealscribe.Error.Failed";

    SessionBusService(std::shared_ptr<platform::Application> application,
                      DesktopRequestPerformer& performer);
    ~SessionBusService() override;

    // Exports the object, then takes the name, so that no caller finds the name without
    // it; the name goes once the application stops running. False when there is no session
    // bus or another program holds the name.
    bool publish();

public Q_SLOTS:
    Q_SCRIPTABLE void Open(const QStringList& paths);
    Q_SCRIPTABLE void NewDocumentFromText(const QByteArray& text);
    Q_SCRIPTABLE void NewDocumentFromSelection();
    Q_SCRIPTABLE void OpenAndUnlock(const QString& path, const QString& password);

private:
    // Whether the caller may ask; answers the caller itself when not.
    bool callerIsOwnUser();
    void perform(platform::DesktopRequest request);
    void unpublish();

    std::shared_ptr<platform::Application> application_;
    DesktopRequestPerformer& performer_;
    bool published_ = false;
    platform::Observation runningChanged_;
};

} // namespace gui

#pragma once

namespace platform {

class Application;

// What the application tells and asks its delegate. The application holds its delegate
// weakly; a delegate that receives actions derives from Responder too and is then asked
// after the application in the responder chain.
class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;

    virtual void applicationWillFinishLaunching(Application& application) { (void)application; }
    virtual void applicationDidFinishLaunching(Application& application) { (void)application; }
    // Asked by the launch's document handling; a delegate that does not answer lets an
    // untitled document open.
    [[nodiscard]] virtual bool applicationShouldOpenUntitledFile(Application& application) {
        (void)application;
        return true;
    }
    virtual void applicationDidBecomeActive(Application& application) { (void)application; }
    virtual void applicationDidResignActive(Application& application) { (void)application; }
};

} // namespace platform

#pragma once

#include "platform/base/BaseEnvironment.h"
#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"
#include "platform/security/SecurityEnvironment.h"
#include "platform/system/SystemEnvironment.h"
#include "platform/text/TextEnvironment.h"
#include "platform/ui/PrintOperation.h"

#include <filesystem>
#include <memory>
#include <mutex>

namespace platform {

class Application;
class Bundle;
class DocumentController;
class InterfaceRegistry;
class Pasteboard;
class ServicesRegistry;
class SharedFontManager;

// The shared objects of the program, in one place: the application, the document
// controller, the interface registry and the services registry, the general pasteboard,
// the main bundle, the font manager, the print presenter, and through the parts of the
// layers below the settings store and its controller, the secure-random override, the
// workspace and the spell checker. The program builds one at start and a test one per
// fixture. While it lives it is current (the last one built, until it ends), and the
// shared accessors (Application::sharedApplication, UserDefaults::standardUserDefaults...)
// read it. Each object is made on first use unless it was given; giving none makes the next
// use make a fresh one. Ending the environment ends what it holds: nothing of one test
// reaches the next.
//
// An observation, pending edit or binding of a key an object lacks is reported to the
// interface registry's message sink.
class Environment : public EnvironmentPart<Environment> {
public:
    // The program's: its settings in UserDefaults::standardSettingsFolder().
    Environment();
    // A test's: its settings in a folder of its own.
    explicit Environment(std::filesystem::path settingsFolder);
    ~Environment();

    // The parts of the layers below: this environment's, or for the default environment of
    // code that runs outside any, the layers' own defaults.
    [[nodiscard]] BaseEnvironment& base();
    [[nodiscard]] SecurityEnvironment& security();
    [[nodiscard]] SystemEnvironment& system();
    [[nodiscard]] TextEnvironment& text();

    [[nodiscard]] std::shared_ptr<Application> application();
    void setApplication(std::shared_ptr<Application> application);
    [[nodiscard]] std::shared_ptr<DocumentController> documentController();
    void setDocumentController(std::shared_ptr<DocumentController> controller);
    // Its messages go to the log unless it was given with a sink of its own.
    [[nodiscard]] std::shared_ptr<InterfaceRegistry> interfaceRegistry();
    void setInterfaceRegistry(std::shared_ptr<InterfaceRegistry> registry);
    [[nodiscard]] ServicesRegistry& servicesRegistry();
    [[nodiscard]] std::shared_ptr<Pasteboard> generalPasteboard();
    [[nodiscard]] std::shared_ptr<Bundle> mainBundle();
    void setMainBundle(std::shared_ptr<Bundle> bundle);
    [[nodiscard]] std::shared_ptr<SharedFontManager> fontManager();
    void setFontManager(std::shared_ptr<SharedFontManager> manager);
    // None until the front end installs one.
    [[nodiscard]] PrintOperation::Presenter printPresenter();
    void setPrintPresenter(PrintOperation::Presenter presenter);

private:
    friend class EnvironmentPart<Environment>;
    struct Below;

    explicit Environment(Fallback fallback);
    void reportToInterfaceRegistry(const String& message);

    std::unique_ptr<Below> below_;
    SharedSlot<Application> application_;
    SharedSlot<DocumentController> documentController_;
    SharedSlot<InterfaceRegistry> interfaceRegistry_;
    SharedSlot<ServicesRegistry> servicesRegistry_;
    SharedSlot<Pasteboard> generalPasteboard_;
    SharedSlot<Bundle> mainBundle_;
    SharedSlot<SharedFontManager> fontManager_;
    std::mutex presenterMutex_;
    PrintOperation::Presenter printPresenter_;
};

} // namespace platform

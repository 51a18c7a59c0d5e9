#pragma once

#include "platform/base/BaseEnvironment.h"
#include "platform/base/EnvironmentPart.h"
#include "platform/base/SharedSlot.h"
#include "platform/security/SecurityEnvironment.h"
#include "platform/system/SystemEnvironment.h"
#include "platform/text/TextEnvironment.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/PendingDialogs.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/PrintOperation.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace platform {

class Application;
class Bundle;
class DocumentController;
class InterfaceRegistry;
class Pasteboard;
class ServicesRegistry;
class SharedFontManager;

// The shared objects of the program in one place: the application, the document
// controller, the interface and services registries, the general pasteboard, the main
// bundle, the font manager, the shared print info, the print and page layout presenters
// and the operations they show, and, through the parts of the layers below, the settings
// store and its controller, the secure-random override, the workspace and the spell
// checker. The program builds one at start (main), a test one per fixture.
// While it lives it is current (the last one built, until it ends), and the shared
// accessors (Application::sharedApplication, UserDefaults::standardUserDefaults...) read
// it; each makes its object on first use unless one was given, and giving none makes the
// next use make a fresh one. Ending the environment ends what it holds, so that nothing of
// one test reaches the next.
//
// An observation, pending edit or binding of a key that an object lacks is reported to the
// interface registry's message sink.
class Environment : public EnvironmentPart<Environment> {
public:
    // The program's: its settings in UserDefaults::standardSettingsFolder().
    Environment();
    // A test's: its settings in a folder of its own.
    explicit Environment(std::filesystem::path settingsFolder);
    ~Environment();

    // The parts of the layers below: this environment's or, for the default environment of
    // code that runs outside any, the layers' own defaults.
    [[nodiscard]] BaseEnvironment& base();
    [[nodiscard]] SecurityEnvironment& security();
    [[nodiscard]] SystemEnvironment& system();
    [[nodiscard]] TextEnvironment& text();

    SharedSlot<Application> application;
    SharedSlot<DocumentController> documentController;
    SharedSlot<InterfaceRegistry> interfaceRegistry;
    SharedSlot<ServicesRegistry> servicesRegistry;
    SharedSlot<Pasteboard> generalPasteboard;
    SharedSlot<Bundle> mainBundle;
    SharedSlot<SharedFontManager> fontManager;
    SharedSlot<PrintInfo> sharedPrintInfo;
    // Main thread only; none until the front end installs them.
    PrintOperation::Presenter printPresenter;
    PageLayout::Presenter pageLayoutPresenter;
    PendingDialogs<PrintOperation> pendingPrintOperations;
    PendingDialogs<PageLayout> pendingPageLayouts;

private:
    friend class EnvironmentPart<Environment>;
    struct Below;

    explicit Environment(Fallback fallback);
    explicit Environment(std::unique_ptr<Below> below);

    std::unique_ptr<Below> below_;
};

} // namespace platform

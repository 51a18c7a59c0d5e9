#include "interface/ApplicationMain.h"

#include "app/utilities/LWValueTransformerClasses.h"
#include "document/MyDocument.h"
#include "document/MyScriptDecryptDoc.h"
#include "interface/MainMenuInterface.h"
#include "interface/MyDocumentInterface.h"
#include "interface/PreferencesInterface.h"
#include "platform/base/URL.h"
#include "platform/base/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommandLine.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/LoadedInterface.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

ApplicationMain::ApplicationMain(FrontEnd frontEnd) : frontEnd_(std::move(frontEnd)) {}

int ApplicationMain::run(int argc, char** argv) {
    prepare(argc, argv);
    return frontEnd_(argc, argv, application_);
}

void ApplicationMain::prepare(int argc, char** argv) {
    application_ = std::make_shared<platform::Application>();
    application_->setDisplayName(u"Sealscribe");
    // As Linux desktop programs do.
    application_->setTerminatesAfterLastWindowClosed(true);
    platform::Application::setSharedApplication(application_);

    // Before any binding names one.
    LWValueTransformerClasses::registerAll();
    const auto registry = platform::InterfaceRegistry::sharedRegistry();
    MainMenuInterface::registerIn(*registry);
    MyDocumentInterface::registerIn(*registry);
    PreferencesInterface::registerIn(*registry);
    MyScriptDecryptDoc::registerCommand();

    controller_ = platform::DocumentController::sharedDocumentController();
    MyDocument::registerDocumentType(*controller_);
    controller_->connectToApplication(application_);
    application_->setLaunchHook([this, argc, argv] { launch(argc, argv); });

    // "MainMenu" makes the application's delegate, whose outlets "Preferences" fills.
    mainMenu_ = platform::InterfaceLoader::loadNibNamed(MainMenuInterface::name, application_);
    if (mainMenu_)
        application_->setMainMenu(MainMenuInterface::mainMenuOf(*mainMenu_));
    preferences_ =
        platform::InterfaceLoader::loadNibNamed(PreferencesInterface::name, application_);

    // A change made just before quitting is still waiting for its delayed write.
    stopped_ = application_->runningProperty().observe([weak = std::weak_ptr(application_)] {
        const auto application = weak.lock();
        if (application && !application->isRunning())
            (void)platform::UserDefaults::standardUserDefaults()->synchronize();
    });
}

// The front end may have taken its own options out of argv, ending it early with a null.
void ApplicationMain::launch(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc && argv[i]; ++i)
        arguments.emplace_back(argv[i]);
    const auto request = platform::CommandLine::parse(arguments);
    // The front end performs any other request once launched; it makes its own document.
    if (request && request->kind != platform::DesktopRequest::Kind::openFiles)
        return;
    bool openedAny = false;
    for (const auto& file : request ? request->paths : std::vector<platform::String>()) {
        std::error_code error;
        const auto path = std::filesystem::absolute(platform::toUtf8Lossy(file), error);
        const auto utf16 = platform::fromUtf8(path.string());
        const auto url = utf16 ? platform::URL::fileURLWithPath(*utf16) : std::nullopt;
        if (error || !url) {
            std::cerr << "sealscribe: cannot open " << platform::toUtf8Lossy(file) << "\n";
            continue;
        }
        controller_->openDocumentWithContentsOfURL(*url, true);
        openedAny = true;
    }
    if (!openedAny)
        controller_->openUntitledDocumentAtLaunch(*application_);
}

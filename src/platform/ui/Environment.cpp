#include "platform/ui/Environment.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ServicesRegistry.h"
#include "platform/ui/SharedFontManager.h"

namespace platform {

struct Environment::Below {
    Below() = default;
    explicit Below(std::filesystem::path settingsFolder) : base(std::move(settingsFolder)) {}

    BaseEnvironment base;
    SecurityEnvironment security;
    SystemEnvironment system;
    TextEnvironment text;
};

Environment::Environment() : Environment(std::make_unique<Below>()) {}

Environment::Environment(std::filesystem::path settingsFolder)
    : Environment(std::make_unique<Below>(std::move(settingsFolder))) {}

Environment::Environment(std::unique_ptr<Below> below) : below_(std::move(below)) {
    below_->base.failureReporter = [](const String& message) {
        if (const auto& sink = InterfaceRegistry::sharedRegistry()->messageSink())
            sink(message);
    };
}

Environment::Environment(Fallback fallback) : EnvironmentPart(fallback) {}

// The documents go before the application and the registry their windows came from; an
// object that ends may still ask for a shared one, which the members then end.
Environment::~Environment() {
    if (below_)
        below_->base.failureReporter = nullptr;
    documentController.set(nullptr);
    application.set(nullptr);
    interfaceRegistry.set(nullptr);
    fontManager.set(nullptr);
    generalPasteboard.set(nullptr);
    printPresenter = nullptr;
    pageLayoutPresenter = nullptr;
    sharedPrintInfo.set(nullptr);
}

BaseEnvironment& Environment::base() {
    return below_ ? below_->base : BaseEnvironment::current();
}

SecurityEnvironment& Environment::security() {
    return below_ ? below_->security : SecurityEnvironment::current();
}

SystemEnvironment& Environment::system() {
    return below_ ? below_->system : SystemEnvironment::current();
}

TextEnvironment& Environment::text() {
    return below_ ? below_->text : TextEnvironment::current();
}

} // namespace platform

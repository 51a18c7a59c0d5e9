#include "platform/ui/Environment.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ServicesRegistry.h"
#include "platform/ui/SharedFontManager.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::filesystem::path runningExecutable() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

} // namespace

struct Environment::Below {
    Below() = default;
    explicit Below(std::filesystem::path settingsFolder) : base(std::move(settingsFolder)) {}

    BaseEnvironment base;
    SecurityEnvironment security;
    SystemEnvironment system;
    TextEnvironment text;
};

Environment::Environment() : below_(std::make_unique<Below>()) {
    base().setFailureReporter(
        [this](const String& message) { reportToInterfaceRegistry(message); });
}

Environment::Environment(std::filesystem::path settingsFolder)
    : below_(std::make_unique<Below>(std::move(settingsFolder))) {
    base().setFailureReporter(
        [this](const String& message) { reportToInterfaceRegistry(message); });
}

Environment::Environment(Fallback fallback) : EnvironmentPart(fallback) {}

// The documents go before the application and the registry their windows came from; an
// object that ends may still ask for a shared one, which the members then end.
Environment::~Environment() {
    if (below_)
        below_->base.setFailureReporter({});
    documentController_.set(nullptr);
    application_.set(nullptr);
    interfaceRegistry_.set(nullptr);
    fontManager_.set(nullptr);
    generalPasteboard_.set(nullptr);
    setPrintPresenter({});
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

void Environment::reportToInterfaceRegistry(const String& message) {
    const auto registry = interfaceRegistry();
    if (registry->messageSink())
        registry->messageSink()(message);
}

std::shared_ptr<Application> Environment::application() {
    return application_.get();
}

void Environment::setApplication(std::shared_ptr<Application> application) {
    application_.set(std::move(application));
}

std::shared_ptr<DocumentController> Environment::documentController() {
    return documentController_.get();
}

void Environment::setDocumentController(std::shared_ptr<DocumentController> controller) {
    documentController_.set(std::move(controller));
}

std::shared_ptr<InterfaceRegistry> Environment::interfaceRegistry() {
    return interfaceRegistry_.get();
}

void Environment::setInterfaceRegistry(std::shared_ptr<InterfaceRegistry> registry) {
    interfaceRegistry_.set(std::move(registry));
}

ServicesRegistry& Environment::servicesRegistry() {
    return *servicesRegistry_.get();
}

std::shared_ptr<Pasteboard> Environment::generalPasteboard() {
    return generalPasteboard_.get();
}

std::shared_ptr<Bundle> Environment::mainBundle() {
    return mainBundle_.get([] {
        return std::make_shared<Bundle>(Bundle::resourceFolderForExecutable(runningExecutable()));
    });
}

void Environment::setMainBundle(std::shared_ptr<Bundle> bundle) {
    mainBundle_.set(std::move(bundle));
}

std::shared_ptr<SharedFontManager> Environment::fontManager() {
    return fontManager_.get();
}

void Environment::setFontManager(std::shared_ptr<SharedFontManager> manager) {
    fontManager_.set(std::move(manager));
}

PrintOperation::Presenter Environment::printPresenter() {
    const std::lock_guard lock(presenterMutex_);
    return printPresenter_;
}

void Environment::setPrintPresenter(PrintOperation::Presenter presenter) {
    const std::lock_guard lock(presenterMutex_);
    printPresenter_ = std::move(presenter);
}

} // namespace platform

#include "app/shell/LWAppDelegateBase.h"

#include "app/shell/LWPrefToolbarDelegate.h"
#include "app/utilities/LWAppSupportUtility.h"
#include "app/utilities/LWValueNotEqualToRef.h"
#include "platform/base/Timer.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/ValueTransformer.h"
#include "platform/ui/Window.h"
#include "update/LWPhoneHome.h"

using platform::String;

namespace {

constexpr const char16_t* checkForUpdateAction = u"checkForLastReleaseAvailable:";

} // namespace

LWAppDelegateBase::LWAppDelegateBase()
    : appName_(*this, u"appName", LWAppSupportUtility::applicationName),
      vendorName_(*this, u"vendorName", u"Marrowfield Labs - Drovak"),
      releaseString_(
          *this, u"releaseString",
          LWAppSupportUtility::calcReleaseString(LWAppSupportUtility::applicationRelease)) {
    exposeOutlet(u"myHelpMenu", myHelpMenu_);
    exposeOutlet(u"prefWindow", prefWindow_);
    exposeActions();
    platform::ValueTransformer::setValueTransformer(std::make_shared<LWValueNotEqualToRef>(0),
                                                    u"valueNot0");
}

void LWAppDelegateBase::exposeActions() {
    exposeAction(checkForUpdateAction,
                 [this](const Sender& sender) { checkForLastReleaseAvailable(sender); });
    exposeAction(u"openPreferences:", [this](const Sender& sender) { openPreferences(sender); });
    exposeAction(u"openPreferencesAtSenderTagTab:",
                 [this](const Sender& sender) { openPreferencesAtSenderTagTab(sender); });
    exposeAction(u"orderFrontStandardAboutPanel:",
                 [this](const Sender& sender) { orderFrontStandardAboutPanel(sender); });
    exposeAction(u"visitUs:", visitUs);
    exposeAction(u"webSite:", visitUs);
    exposeAction(u"visitAppUrl:", visitAppUrl);
    exposeAction(u"twitter:", twitter);
    exposeAction(u"visitTwitter:", twitter);
    exposeAction(u"emailUs:", emailUs);
    exposeAction(u"emailSupport:", emailUs);
    exposeAction(u"openUserGuide:", [this](const Sender& sender) { openUserGuide(sender); });
    exposeAction(u"openAppStorePage:", openAppStorePage);
    exposeAction(u"openAppStoreList:", openAppStoreList);
    exposeAction(u"appendMasHelp:", appendMasHelp);
    exposeStartupDocumentActions();
}

// The launch -------------------------------------------------------------------------------

void LWAppDelegateBase::adjustBeforeFinishingLaunching() {
    const auto application = platform::Application::sharedApplication();
    const auto mainMenu = application->mainMenu();
    const auto first = mainMenu ? mainMenu->itemAtIndex(0) : nullptr;
    if (const auto applicationMenu = first ? first->submenu() : nullptr) {
        auto item =
            std::make_shared<platform::MenuItem>(softwareUpdateTitle, checkForUpdateAction, u"");
        item->setTarget(std::static_pointer_cast<Responder>(shared_from_this()));
        applicationMenu->insertItem(item, 1);
    }
    if (const auto window = prefWindow())
        window->setExcludedFromWindowsMenu(true);
}

bool LWAppDelegateBase::applicationShouldOpenUntitledFile(platform::Application&) {
    const auto values = platform::UserDefaultsController::sharedUserDefaultsController()->values();
    return values->valueForKey(u"StartupActionTag").intValue() == 0;
}

void LWAppDelegateBase::executeDocumentStartupAsInPref(const Sender&) {
    const auto values = platform::UserDefaultsController::sharedUserDefaultsController()->values();
    const auto self = std::static_pointer_cast<LWAppDelegateBase>(shared_from_this());
    const auto later = [self](void (LWAppDelegateBase::*action)(const Sender&)) {
        (void)platform::Timer::scheduledTimerWithTimeInterval(
            startupActionDelay, false, [self, action](platform::Timer&) { (*self.*action)(self); });
    };
    switch (values->valueForKey(u"StartupActionTag").intValue()) {
    case 0:
        later(&LWAppDelegateBase::newDocIfNoDocOpened);
        break;
    case 1:
        later(&LWAppDelegateBase::openDialogIfNoDocOpened);
        break;
    case 2:
        platform::DocumentController::sharedDocumentController()->openDocument(self);
        break;
    case 3:
        openStartupDocument();
        break;
    default:
        break;
    }
}

void LWAppDelegateBase::newDocIfNoDocOpened(const Sender&) {
    const auto controller = platform::DocumentController::sharedDocumentController();
    if (controller->documents().empty() && !documentIsOpening())
        controller->newDocument(shared_from_this());
}

void LWAppDelegateBase::openDialogIfNoDocOpened(const Sender&) {
    const auto controller = platform::DocumentController::sharedDocumentController();
    if (controller->documents().empty() && !documentIsOpening())
        controller->openDocument(shared_from_this());
}

// The actions -------------------------------------------------------------------------------

void LWAppDelegateBase::checkForLastReleaseAvailable(const Sender&) {
    LWPhoneHome::sharedPhoneHome()->checkForLastReleaseAvailableWithNotify(shared_from_this());
}

void LWAppDelegateBase::openPreferences(const Sender&) {
    bringPreferencesToFront(true);
}

void LWAppDelegateBase::openPreferencesAtSenderTagTab(const Sender& sender) {
    const auto* item = dynamic_cast<const platform::UserInterfaceItem*>(sender.get());
    openPreferencesAtTab(item ? static_cast<std::int32_t>(item->tag()) : 0);
}

void LWAppDelegateBase::openPreferencesAtTab(std::int32_t index) {
    bringPreferencesToFront(false);
    const auto window = prefWindow();
    const auto toolbar = window ? window->toolbar() : nullptr;
    if (const auto delegate = std::dynamic_pointer_cast<LWPrefToolbarDelegate>(
            toolbar ? toolbar->delegate() : nullptr))
        delegate->SetPanelTab(index);
}

// A window already on screen keeps the place the user gave it.
void LWAppDelegateBase::bringPreferencesToFront(bool excludeFromWindowsMenu) {
    const auto window = prefWindow();
    if (!window)
        return;
    if (!window->isVisible())
        window->center();
    if (excludeFromWindowsMenu)
        window->setExcludedFromWindowsMenu(true);
    window->makeKeyAndOrderFront(shared_from_this());
}

void LWAppDelegateBase::orderFrontStandardAboutPanel(const Sender&) {
    auto alert = std::make_shared<platform::Alert>();
    alert->setAlertStyle(platform::AlertStyle::Informational);
    alert->setMessageText(appName());
    alert->setInformativeText(u"Version " + releaseString() + u"\n" + vendorName());
    alert->addButtonWithTitle(u"OK");
    (void)alert->runModal();
}

void LWAppDelegateBase::visitUs(const Sender& sender) {
    LWAppSupportUtility::visitUs(sender);
}

void LWAppDelegateBase::visitAppUrl(const Sender& sender) {
    LWAppSupportUtility::visitAppUrl(sender);
}

void LWAppDelegateBase::twitter(const Sender& sender) {
    LWAppSupportUtility::visitTwitter(sender);
}

void LWAppDelegateBase::emailUs(const Sender& sender) {
    LWAppSupportUtility::emailUs(sender);
}

// A missing guide opens nothing and tells nothing.
void LWAppDelegateBase::openUserGuide(const Sender&) {
    if (const auto path =
            platform::Bundle::mainBundle()->pathForResource(getUserGuideName(), u"pdf"))
        (void)platform::Workspace::sharedWorkspace()->openFile(*path);
}

String LWAppDelegateBase::getUserGuideName() {
    return String(LWAppSupportUtility::applicationName) + u" User Guide";
}

String LWAppDelegateBase::getAppStantment() {
    return u"The encryption visual editor for Mac";
}

#include "app/shell/MyAppDelegate.h"

#include "app/utilities/LWAppSupportUtility.h"
#include "app/utilities/LWValueIsEqualToStr.h"
#include "document/MyDocument.h"
#include "platform/base/Timer.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/ServicesRegistry.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/ValueTransformer.h"
#include "update/LWPhoneHome.h"
#include "update/UpdateListAddresses.h"

#include <algorithm>

using platform::Number;
using platform::String;
using platform::Value;

namespace {

// The shortest wait before an automatic lock, whatever the setting asks.
constexpr std::int32_t shortestAutomaticLockInterval = 30;

Value boolean(bool value) {
    return Value(Number::boolean(value));
}

Value integer(std::int32_t value) {
    return Value(Number::int32(value));
}

Value size(float value) {
    return Value(Number::float32(value));
}

std::shared_ptr<platform::Menu> fontMenu(const std::vector<String>& families) {
    auto menu = std::make_shared<platform::Menu>(u"");
    for (const String& family : families)
        menu->addItem(std::make_shared<platform::MenuItem>(family, u"", u""));
    return menu;
}

} // namespace

std::vector<std::pair<String, Value>> MyAppDelegate::registeredDefaults() {
    return {
        {u"notifyUpdate", boolean(true)},
        {u"lastVersionUsedToUpdatePref", integer(0)},
        {u"haveSelectedPrefForCheckForUpdate", boolean(false)},
        {u"userPrefForCheckForUpdate", integer(0)},
        {u"StartupActionTag", integer(0)},
        {u"StartupSelectedDoc", Value(u"")},
        {u"StartupFontFamily", Value(u"Helvetica")},
        {u"StartupFontSize", size(12.0f)},
        {u"PublicNoteFontFamily", Value(u"Helvetica")},
        {u"PublicNoteFontSize", size(12.0f)},
        {u"PublicNoteFontBold", boolean(false)},
        {u"PublicNoteFontItalic", boolean(false)},
        {u"StartWithRuler", boolean(false)},
        {u"StartWithSpelling", boolean(true)},
        {u"autolocBackgroundEnabled", boolean(false)},
        {u"autolocBackgroundInterval", integer(120)},
    };
}

void MyAppDelegate::initialize() {
    const auto entries = registeredDefaults();
    const platform::Dictionary defaults(entries.begin(), entries.end());
    platform::UserDefaults::standardUserDefaults()->registerDefaults(defaults);
    platform::UserDefaultsController::sharedUserDefaultsController()->setInitialValues(defaults);
    const auto addresses = UpdateListAddresses::configured();
    LWPhoneHome::sharedPhoneHome()->SetValueAppRelease(
        Number::int64(LWAppSupportUtility::applicationRelease),
        LWAppSupportUtility::applicationName, addresses[0], addresses[1], addresses[2],
        addresses[3]);
}

MyAppDelegate::MyAppDelegate() {
    exposeOutlet(u"myPrefFontmenu", myPrefFontmenu_);
    exposeOutlet(u"myFontPopup", myFontPopup_);
    exposeOutlet(u"myFontPopupForPublicNote", myFontPopupForPublicNote_);
    exposeOutlet(u"myPrefPubNoteFontMenu", myPrefPubNoteFontMenu_);
    exposeAction(u"test1:", test1);
    platform::ValueTransformer::setValueTransformer(
        std::make_shared<LWValueIsEqualToStr>(u"Open Selected Document"), u"valueIsOpSelDoc");
    exposeService(
        createDocWithTextMessage,
        [this](platform::Pasteboard& pboard, const Value& userData, std::optional<String>& error) {
            doCreateDocWithText(pboard, userData, error);
        });
    platform::registerServicesProvider(*this, servicesProviderName);
    usingAServices_ = false;
}

std::vector<String> MyAppDelegate::allowedStartupDocExtensions() const {
    return {u"sealscribe"};
}

void MyAppDelegate::doCreateDocWithText(platform::Pasteboard& pboard, const Value&,
                                        std::optional<String>& error) {
    usingAServices_ = true;
    const auto types = pboard.types();
    const bool offersString = std::find(types.begin(), types.end(),
                                        String(platform::Pasteboard::stringType)) != types.end();
    const auto text =
        offersString ? pboard.stringForType(platform::Pasteboard::stringType) : std::nullopt;
    if (!text) {
        error = platform::Bundle::mainBundle()->localizedStringForKey(
            u"Error: Pasteboard doesn't contain a string.", u"");
        return;
    }
    std::optional<String> openError;
    const auto document =
        platform::DocumentController::sharedDocumentController()->openUntitledDocumentAndDisplay(
            true, openError);
    if (const auto myDocument = std::dynamic_pointer_cast<MyDocument>(document)) {
        myDocument->setContentAsText(*text);
        return;
    }
    // Nothing made must not pass for a request served.
    error = openError.value_or(u"A new document could not be made.");
}

void MyAppDelegate::applicationWillFinishLaunching(platform::Application&) {
    adjustBeforeFinishingLaunching();
    buildUpFontMenuAndBindProgrammatically();
}

void MyAppDelegate::buildUpFontMenuAndBindProgrammatically() {
    auto families = platform::SharedFontManager::sharedFontManager()->availableFontFamilies();
    std::sort(families.begin(), families.end());
    if (myFontPopup_)
        myFontPopup_->setMenu(fontMenu(families));
    if (myFontPopupForPublicNote_)
        myFontPopupForPublicNote_->setMenu(fontMenu(families));
}

void MyAppDelegate::applicationDidFinishLaunching(platform::Application&) {
    selectSavedFontFamilies();
    LWPhoneHome::sharedPhoneHome()->startupProcedure(shared_from_this());
    finishedLaunching_ = true;
    // The timer keeps the delegate until it has fired.
    auto self = std::static_pointer_cast<MyAppDelegate>(shared_from_this());
    (void)platform::Timer::scheduledTimerWithTimeInterval(
        startupActionDelay, false,
        [self](platform::Timer&) { self->executeDocumentStartupAsInPref(self); });
}

// A family that is not installed under its name (the default "Helvetica" is only an alias
// here) selects no item.
void MyAppDelegate::selectSavedFontFamilies() {
    const auto values = platform::UserDefaultsController::sharedUserDefaultsController()->values();
    const auto select = [&](const std::shared_ptr<platform::PopUpButton>& popUp,
                            const String& key) {
        if (!popUp)
            return;
        const auto family = values->valueForKey(key).stringValue();
        popUp->selectItemWithTitle(family.value_or(u""));
    };
    select(myFontPopup_, u"StartupFontFamily");
    select(myFontPopupForPublicNote_, u"PublicNoteFontFamily");
}

// Automatic lock ---------------------------------------------------------------------------

void MyAppDelegate::applicationDidResignActive(platform::Application&) {
    const auto values = platform::UserDefaultsController::sharedUserDefaultsController()->values();
    if (!values->valueForKey(u"autolocBackgroundEnabled").boolValue())
        return;
    // Only the low 32 bits of the setting count.
    const auto seconds = values->valueForKey(u"autolocBackgroundInterval").longValue();
    setAutomaticLockWithTimeInterval(
        static_cast<std::int32_t>(static_cast<std::uint32_t>(seconds)));
}

void MyAppDelegate::applicationDidBecomeActive(platform::Application&) {
    setAutomaticLockWithTimeInterval(0);
}

void MyAppDelegate::setAutomaticLockWithTimeInterval(std::int32_t seconds) {
    if (const auto running = repeatingAutomaticLockTimer())
        running->invalidate();
    if (seconds < 1) {
        setRepeatingAutomaticLockTimer(nullptr);
        return;
    }
    const std::int32_t interval = std::max(seconds, shortestAutomaticLockInterval);
    // Held weakly: the delegate holds the timer.
    const std::weak_ptr<MyAppDelegate> weakSelf =
        std::static_pointer_cast<MyAppDelegate>(shared_from_this());
    setRepeatingAutomaticLockTimer(platform::Timer::scheduledTimerWithTimeInterval(
        static_cast<double>(interval), false, [weakSelf](platform::Timer& timer) {
            if (const auto self = weakSelf.lock())
                self->AutomaticLockAllOpenedDocuments(timer);
        }));
}

// Over a copy: a document that closes while it locks leaves the list.
void MyAppDelegate::AutomaticLockAllOpenedDocuments(platform::Timer&) {
    const auto controller = platform::DocumentController::sharedDocumentController();
    if (!controller)
        return;
    for (const auto& document : std::vector(controller->documents()))
        if (const auto myDocument = std::dynamic_pointer_cast<MyDocument>(document))
            myDocument->lockAutomatically();
}

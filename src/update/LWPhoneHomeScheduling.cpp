#include "app/utilities/LWAppSupportUtility.h"
#include "platform/base/UserDefaults.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "update/LWPhoneHome.h"
#include "update/UpdateList.h"

#include <string>

using platform::Dictionary;
using platform::String;

namespace {

std::shared_ptr<platform::Alert> warning(const String& message, const String& information,
                                         std::initializer_list<const char16_t*> buttons) {
    auto alert = std::make_shared<platform::Alert>();
    alert->setAlertStyle(platform::AlertStyle::Warning);
    alert->setMessageText(message);
    alert->setInformativeText(information);
    for (const char16_t* title : buttons)
        alert->addButtonWithTitle(title);
    return alert;
}

String decimal(long number) {
    const std::string text = std::to_string(number);
    return String(text.begin(), text.end());
}

} // namespace

// Entry points ---------------------------------------------------------------------------------

void LWPhoneHome::silentCheckForLastReleaseAvailable(const Sender&) {
    if (!isChekingUpdateSystem_)
        checkForLastReleaseAvailableAndNotifyIsAvailable(false, false);
}

void LWPhoneHome::dailySilentCheckForLastReleaseAvailable(const Sender&) {
    if (!isChekingUpdateSystem_ && lastCheckNotToday())
        checkForLastReleaseAvailableAndNotifyIsAvailable(false, false);
}

void LWPhoneHome::dailyVerboseCheckForLastReleaseAvailable(const Sender&) {
    if (!isChekingUpdateSystem_ && lastCheckNotToday())
        checkForLastReleaseAvailableAndNotifyIsAvailable(true, false);
}

void LWPhoneHome::checkForLastReleaseAvailableWithNotify(const Sender&) {
    if (!isChekingUpdateSystem_)
        checkForLastReleaseAvailableAndNotifyIsAvailable(true, true);
}

void LWPhoneHome::startupProcedure(const Sender&) {
    if (settings()->boolForKey(notifyUpdateKey)) {
        dailyVerboseCheckForLastReleaseAvailable(self());
        return;
    }
    dailySilentCheckForLastReleaseAvailable(self());
    inCaseInviteToCheckForLastReleaseAvailable();
}

// Its clearing of the flag also unmarks a check that is still fetching; that check still
// concludes as usual.
void LWPhoneHome::inCaseInviteToCheckForLastReleaseAvailable() {
    const auto store = settings();
    const auto last = store->dateForKey(lastCheckDateKey);
    if (last && last->timeIntervalSinceReferenceDate() - now().timeIntervalSinceReferenceDate() >=
                    -invitationThreshold)
        return;
    const String name = myAppName();
    const String question =
        u"Would you like that " + name + u" informs you now for any available update?";
    const String message = last ? u"It is more then " + decimal(invitationThresholdDays) +
                                      u" days this app doesn't report to you for updates.\n" +
                                      question
                                : question;
    const auto alert = warning(message, u"", {u"OK", u"Drovak Site", u"Cancel"});
    if (!store->boolForKey(notifyUpdateKey))
        alert->setInformativeText(u"Suggested option is to have the update report enabled.\nUse "
                                  u"the Preference Dialog to enable this feature.");
    switch (alert->runModal()) {
    case platform::AlertFirstButtonReturn:
        checkForLastReleaseAvailableWithNotify(self());
        break;
    case platform::AlertSecondButtonReturn:
        LWAppSupportUtility::visitUs(self());
        break;
    default:
        break;
    }
    isChekingUpdateSystem_ = false;
}

// The result alerts ------------------------------------------------------------------------

void LWPhoneHome::notifyAboutUpdateAvailable(const Dictionary& list) {
    const auto alert = warning(
        u"There is an update available for " + myAppName(),
        u"You are using release: " + LWAppSupportUtility::calcReleaseString(runningRelease()) +
            u"\nLatest available release is: " +
            LWAppSupportUtility::calcReleaseString(UpdateList::latestRelease(list).value_or(0)) +
            u"\nDrovak recommends to use always the latest release",
        {u"Download Update", u"Download Page", u"Later"});
    switch (alert->runModal()) {
    case platform::AlertFirstButtonReturn:
        openAddressOf(list, UpdateList::updateDownloadKey);
        break;
    case platform::AlertSecondButtonReturn:
        openAddressOf(list, UpdateList::downloadPageKey);
        break;
    default:
        break;
    }
    isChekingUpdateSystem_ = false;
}

void LWPhoneHome::notifyAboutYourAppIsLastAvailable(const Dictionary& list) {
    const auto alert = warning(
        myAppName() + u" is up to date",
        u"You are using the latest available release.\nIf you like, you can go to the Drovak "
        u"download page to manually check it.\n\nVisit us and see all the macOS software we have "
        u"available.\nWe are one of the developers in the world with more macOS apps!\n",
        {u"Go to Drovak Download Page", u"Close"});
    if (alert->runModal() == platform::AlertFirstButtonReturn)
        openAddressOf(list, UpdateList::downloadPageKey);
    isChekingUpdateSystem_ = false;
}

void LWPhoneHome::notifyAboutFailedChechForUpdate(const platform::Value&) {
    const auto alert =
        warning(myAppName() + u" was not able to connect to the Drovak server",
                u"It was not possible to enstablish a internet connection on the net with the "
                u"Drovak upgrade server. Check your internet connection or try later.",
                {u"OK"});
    (void)alert->runModal();
    isChekingUpdateSystem_ = false;
}

// Only a web address reaches the desktop; whether it opened is not ours to know.
void LWPhoneHome::openAddressOf(const Dictionary& list, const String& key) const {
    const auto url = UpdateList::webAddress(list, key);
    if (!url)
        return;
    const auto workspace = collaborators_.workspace ? collaborators_.workspace
                                                    : platform::Workspace::sharedWorkspace();
    (void)workspace->openURL(*url);
}

#include "app/utilities/LWAppSupportUtility.h"

#include "platform/base/ProcessInfo.h"
#include "platform/base/URL.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"

#include <string>

using platform::String;

namespace {

String asciiString(const std::string& text) {
    return String(text.begin(), text.end());
}

} // namespace

void LWAppSupportUtility::openAddress(const String& address) {
    // Whether the desktop opened it is not ours to know.
    static_cast<void>(
        platform::Workspace::sharedWorkspace()->openURL(platform::URL::URLWithString(address)));
}

String LWAppSupportUtility::supportMailLink(const String& systemVersion) {
    const String subject = String(u"Support Request for ") + applicationName + u" rel. " +
                           calcReleaseString(applicationRelease) + u" - macOS " + systemVersion;
    const auto encoded = platform::URL::stringByAddingPercentEncodingWithAllowedCharacters(
        subject, platform::URL::URLQueryAllowedCharacterSet());
    return String(u"mailto:") + supportMailAddress + u"?subject=" + encoded.value_or(u"");
}

void LWAppSupportUtility::emailUs(const Sender&) {
    openAddress(
        supportMailLink(platform::ProcessInfo::processInfo().operatingSystemVersionString()));
}

void LWAppSupportUtility::emailBrenic(const Sender& sender) {
    emailUs(sender);
}

void LWAppSupportUtility::visitAppUrl(const Sender&) {
    openAddress(String(homePage) + u"/osx/sealscribe");
}

void LWAppSupportUtility::visitUs(const Sender&) {
    openAddress(homePage);
}

void LWAppSupportUtility::visitBrenic(const Sender& sender) {
    visitUs(sender);
}

void LWAppSupportUtility::visitBrenicMajorUpgrade(const Sender&) {
    openAddress(String(homePage) + u"/support/");
}

void LWAppSupportUtility::visitTwitter(const Sender&) {
    openAddress(socialPage);
}

void LWAppSupportUtility::openAppStoreList(const Sender&) {
    openAddress(u"");
}

void LWAppSupportUtility::openAppStorePage(const Sender&) {}

bool LWAppSupportUtility::runNewerVersionAlert(const String& message, const String& information,
                                               const Sender& sender) {
    const auto alert = std::make_shared<platform::Alert>();
    alert->setAlertStyle(platform::AlertStyle::Warning);
    alert->addButtonWithTitle(u"Go to Download Last Version");
    alert->addButtonWithTitle(u"Cancel");
    alert->setMessageText(message);
    alert->setInformativeText(information);
    if (alert->runModal() != platform::AlertFirstButtonReturn)
        return false;
    visitBrenic(sender);
    return true;
}

bool LWAppSupportUtility::sayFilecreatedWithANewerVersion(const Sender& sender) {
    return runNewerVersionAlert(
        u"The document you requested to open was created with a more recent version of this "
        u"application",
        u"To open this file you need a release of this application equal or successive to the "
        u"one used to create this file.\n\nProbably you are using an outdated release.\nYou can "
        u"download for free the last version of this application from our site",
        sender);
}

bool LWAppSupportUtility::dataIn_ApplicationSupportFolder_CreatedWithANewerVersion(
    const Sender& sender) {
    return runNewerVersionAlert(
        u"Data file the software tryed to open from the Application Support folder was created "
        u"with a more recent version of this application",
        u"You need a release of this application equal or successive to the one used to create "
        u"this data file.\n\nPlease use a more recent version of this application",
        sender);
}

// Read from the right: two patch digits, two minor digits, the rest major; a leading "0"
// of the minor or patch pair is dropped, except in a four-digit number.
String LWAppSupportUtility::calcReleaseString(std::int64_t release) {
    const String text = asciiString(std::to_string(release));
    const std::size_t length = text.size();
    if (length < 4)
        return u"";
    String major, minor, patch;
    if (length == 4) {
        major = text.substr(0, 1);
        minor = text.substr(1, 1);
        patch = text.substr(2, 2);
    } else {
        major = text.substr(0, length - 4);
        minor = text[length - 4] == u'0' ? text.substr(length - 3, 1) : text.substr(length - 4, 2);
        patch = text[length - 2] == u'0' ? text.substr(length - 1, 1) : text.substr(length - 2, 2);
    }
    String joined = major + u"." + minor + u"." + patch;
    if (joined.ends_with(u".0"))
        joined.resize(joined.size() - 2);
    return joined;
}

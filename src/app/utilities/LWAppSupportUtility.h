#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"

#include <cstdint>
#include <memory>

// The application's support services: the dotted release string, the alerts that refuse
// a file of a newer release, the support mail and the maker's web pages. Class-level
// operations only; a sender is passed on where it matters and ignored elsewhere.
class LWAppSupportUtility {
public:
    using Sender = std::shared_ptr<platform::Object>;

    static constexpr const char16_t* applicationName = u"Sealscribe";
    static constexpr std::int64_t applicationRelease = 20601;
    static constexpr const char16_t* supportMailAddress = u"support@sealscribe.example";
    static constexpr const char16_t* homePage = u"http://www.sealscribe.example";
    static constexpr const char16_t* socialPage = u"http://social.example/sealscribe";

    static void emailUs(const Sender& sender);
    static void emailBrenic(const Sender& sender);
    static void visitAppUrl(const Sender& sender);
    static void visitUs(const Sender& sender);
    static void visitBrenic(const Sender& sender);
    static void visitBrenicMajorUpgrade(const Sender& sender);
    static void visitTwitter(const Sender& sender);
    static void openAppStoreList(const Sender& sender);
    static void openAppStorePage(const Sender& sender);

    // Application-modal; true when the user chose to download the last version.
    [[nodiscard]] static bool sayFilecreatedWithANewerVersion(const Sender& sender);
    [[nodiscard]] static bool
    dataIn_ApplicationSupportFolder_CreatedWithANewerVersion(const Sender& sender);

    // 20601 gives "2.6.1", 20000 "2.0", 1203 "1.2.03"; fewer than four digits give "".
    [[nodiscard]] static platform::String calcReleaseString(std::int64_t release);

private:
    [[nodiscard]] static platform::String supportMailLink(const platform::String& systemVersion);
    static void openAddress(const platform::String& address);
    [[nodiscard]] static bool runNewerVersionAlert(const platform::String& message,
                                                   const platform::String& information,
                                                   const Sender& sender);
};

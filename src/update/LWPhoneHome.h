#pragma once

#include "platform/base/Calendar.h"
#include "platform/base/Date.h"
#include "platform/base/Number.h"
#include "platform/base/Object.h"
#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/base/URLLoader.h"
#include "platform/base/Value.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace platform {
class UserDefaults;
class Workspace;
} // namespace platform

// The update checker. A check fetches the update list in the background from the first
// of four addresses that serves one, compares its latest release with the running one on
// the main queue, records the moment of every successful fetch in the settings, and
// reports as far as its caller asked. When to check, how loudly, and the alerts are the
// scheduling half (LWPhoneHomeScheduling.cpp).
//
// Everything but the fetch runs on the main thread, the busy flag included. The
// configuration is guarded, since a fetch may read it from its queue.
class LWPhoneHome : public platform::Object {
public:
    using Sender = std::shared_ptr<platform::Object>;
    using Clock = std::function<platform::Date()>;
    using Addresses = std::array<std::optional<platform::String>, 4>;

    static constexpr const char16_t* notifyUpdateKey = u"notifyUpdate";
    static constexpr const char16_t* lastCheckDateKey = u"lastCheckDateForUpdate";
    // No invitation while the last success lies at most this far back: 90 days.
    static constexpr double invitationThreshold = 7776000.0;
    static constexpr long invitationThresholdDays = 90;

    // What a checker works with; each one left out is the shared one at the time of use.
    struct Collaborators {
        std::shared_ptr<platform::UserDefaults> settings;
        platform::URLLoader::Options loaderOptions = defaultLoaderOptions();
        std::shared_ptr<platform::Workspace> workspace;
        Clock clock;                                // none: Date::now
        std::optional<platform::Calendar> calendar; // none: the user's current calendar
    };

    // A list is a few hundred bytes; four addresses at the loader's usual 30 s each would
    // keep an asked-for check silent for two minutes.
    [[nodiscard]] static platform::URLLoader::Options defaultLoaderOptions();

    // Made on first use, once, whichever threads ask first. Tests install their own; none
    // makes the next use make a fresh one.
    [[nodiscard]] static std::shared_ptr<LWPhoneHome> sharedPhoneHome();
    static void setSharedPhoneHome(std::shared_ptr<LWPhoneHome> phoneHome);

    LWPhoneHome();
    explicit LWPhoneHome(Collaborators collaborators);
    ~LWPhoneHome() override;

    // Main thread only.
    [[nodiscard]] bool isChekingUpdateSystem() const { return isChekingUpdateSystem_; }
    void setIsChekingUpdateSystem(bool checking) { isChekingUpdateSystem_ = checking; }

    // Any thread.
    [[nodiscard]] std::optional<platform::Number> myAppRelease() const;
    void setMyAppRelease(std::optional<platform::Number> release);
    [[nodiscard]] platform::String myAppName() const;
    void setMyAppName(platform::String name);
    [[nodiscard]] std::optional<platform::String> myPlistUrl1() const { return plistUrl(0); }
    [[nodiscard]] std::optional<platform::String> myPlistUrl2() const { return plistUrl(1); }
    [[nodiscard]] std::optional<platform::String> myPlistUrl3() const { return plistUrl(2); }
    [[nodiscard]] std::optional<platform::String> myPlistUrl4() const { return plistUrl(3); }
    void setMyPlistUrl1(std::optional<platform::String> url) { setPlistUrl(0, std::move(url)); }
    void setMyPlistUrl2(std::optional<platform::String> url) { setPlistUrl(1, std::move(url)); }
    void setMyPlistUrl3(std::optional<platform::String> url) { setPlistUrl(2, std::move(url)); }
    void setMyPlistUrl4(std::optional<platform::String> url) { setPlistUrl(3, std::move(url)); }

    void SetValueAppRelease(std::optional<platform::Number> release, platform::String appName,
                            std::optional<platform::String> plistUrl1,
                            std::optional<platform::String> plistUrl2,
                            std::optional<platform::String> plistUrl3,
                            std::optional<platform::String> plistUrl4);

    // The first dictionary that an address serves, each address read once, in order; none
    // when all four fail. Blocking: it belongs on a background queue.
    [[nodiscard]] std::optional<platform::Dictionary> getDictionaryFromTheNet() const;

    // Starts a check and returns at once; the callers test the busy flag first. Main thread.
    void checkForLastReleaseAvailableAndNotifyIsAvailable(bool notifyIsAvailable,
                                                          bool notifyNotAvailable);

    // The present moment under "lastCheckDateForUpdate", written at once.
    void setInPreferencesTodayWasChecked();
    // Whether the last success lies on another calendar day than today, or is unknown.
    [[nodiscard]] bool lastCheckNotToday() const;

    // The entry points: each ignores its sender and does nothing while a check runs.
    void silentCheckForLastReleaseAvailable(const Sender& sender);
    void dailySilentCheckForLastReleaseAvailable(const Sender& sender);
    void dailyVerboseCheckForLastReleaseAvailable(const Sender& sender);
    void checkForLastReleaseAvailableWithNotify(const Sender& sender);

    // Once, when launching has finished: the daily check, loud or silent as the settings
    // ask, and after a silent one the invitation.
    void startupProcedure(const Sender& sender);
    // Application-modal, when no check has succeeded for more than 90 days.
    void inCaseInviteToCheckForLastReleaseAvailable();

    // The result alerts, application-modal; each clears the busy flag once answered.
    void notifyAboutUpdateAvailable(const platform::Dictionary& list);
    void notifyAboutYourAppIsLastAvailable(const platform::Dictionary& list);
    void notifyAboutFailedChechForUpdate(const platform::Value& ignored);

private:
    using StopFlag = std::shared_ptr<std::atomic<bool>>;
    struct QuitWatch {
        StopFlag stop;
        platform::Observation observation;
    };

    [[nodiscard]] static std::optional<platform::Dictionary>
    fetchList(const Addresses& addresses, const platform::URLLoader& loader);
    [[nodiscard]] Addresses plistUrls() const;
    [[nodiscard]] std::optional<platform::String> plistUrl(std::size_t index) const;
    void setPlistUrl(std::size_t index, std::optional<platform::String> url);

    void concludeCheck(const std::optional<platform::Dictionary>& list, const StopFlag& stop,
                       bool notifyIsAvailable, bool notifyNotAvailable);
    [[nodiscard]] StopFlag stopWhenTheApplicationStops();
    void forgetQuitWatch(const StopFlag& stop);

    [[nodiscard]] std::shared_ptr<platform::UserDefaults> settings() const;
    [[nodiscard]] platform::Date now() const;
    [[nodiscard]] platform::Calendar calendar() const;
    [[nodiscard]] std::int64_t runningRelease() const;
    [[nodiscard]] Sender self();
    void openAddressOf(const platform::Dictionary& list, const platform::String& key) const;

    Collaborators collaborators_;
    bool isChekingUpdateSystem_ = false;
    mutable std::mutex mutex_; // guards the configuration below
    std::optional<platform::Number> myAppRelease_;
    platform::String myAppName_;
    Addresses myPlistUrls_;
    std::vector<QuitWatch> quitWatches_; // main thread
};

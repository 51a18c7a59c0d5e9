#include "update/LWPhoneHome.h"

#include "platform/base/OperationQueue.h"
#include "platform/base/PropertyList.h"
#include "platform/base/SharedSlot.h"
#include "platform/base/URL.h"
#include "platform/base/UserDefaults.h"
#include "platform/ui/Application.h"
#include "update/UpdateList.h"

#include <algorithm>

using platform::Dictionary;
using platform::String;

namespace {

platform::SharedSlot<LWPhoneHome>& sharedSlot() {
    static platform::SharedSlot<LWPhoneHome> slot;
    return slot;
}

} // namespace

platform::URLLoader::Options LWPhoneHome::defaultLoaderOptions() {
    platform::URLLoader::Options options;
    options.timeout = std::chrono::seconds(15);
    options.maximumLength = std::size_t{1024} * 1024;
    return options;
}

std::shared_ptr<LWPhoneHome> LWPhoneHome::sharedPhoneHome() {
    return sharedSlot().get();
}

void LWPhoneHome::setSharedPhoneHome(std::shared_ptr<LWPhoneHome> phoneHome) {
    sharedSlot().set(std::move(phoneHome));
}

LWPhoneHome::LWPhoneHome() : LWPhoneHome(Collaborators{}) {}

LWPhoneHome::LWPhoneHome(Collaborators collaborators) : collaborators_(std::move(collaborators)) {}

LWPhoneHome::~LWPhoneHome() = default;

// Configuration ------------------------------------------------------------------------------

std::optional<platform::Number> LWPhoneHome::myAppRelease() const {
    const std::lock_guard lock(mutex_);
    return myAppRelease_;
}

void LWPhoneHome::setMyAppRelease(std::optional<platform::Number> release) {
    const std::lock_guard lock(mutex_);
    myAppRelease_ = release;
}

String LWPhoneHome::myAppName() const {
    const std::lock_guard lock(mutex_);
    return myAppName_;
}

void LWPhoneHome::setMyAppName(String name) {
    const std::lock_guard lock(mutex_);
    myAppName_ = std::move(name);
}

std::optional<String> LWPhoneHome::plistUrl(std::size_t index) const {
    const std::lock_guard lock(mutex_);
    return myPlistUrls_.at(index);
}

void LWPhoneHome::setPlistUrl(std::size_t index, std::optional<String> url) {
    const std::lock_guard lock(mutex_);
    myPlistUrls_.at(index) = std::move(url);
}

LWPhoneHome::Addresses LWPhoneHome::plistUrls() const {
    const std::lock_guard lock(mutex_);
    return myPlistUrls_;
}

void LWPhoneHome::SetValueAppRelease(std::optional<platform::Number> release, String appName,
                                     std::optional<String> plistUrl1,
                                     std::optional<String> plistUrl2,
                                     std::optional<String> plistUrl3,
                                     std::optional<String> plistUrl4) {
    setMyAppRelease(release);
    setMyAppName(std::move(appName));
    setMyPlistUrl1(std::move(plistUrl1));
    setMyPlistUrl2(std::move(plistUrl2));
    setMyPlistUrl3(std::move(plistUrl3));
    setMyPlistUrl4(std::move(plistUrl4));
}

// The check ------------------------------------------------------------------------------------

std::optional<Dictionary> LWPhoneHome::fetchList(const Addresses& addresses,
                                                 const platform::URLLoader& loader) {
    for (const auto& address : addresses) {
        const auto url = address ? platform::URL::URLWithString(*address) : std::nullopt;
        if (!url)
            continue;
        if (auto list = platform::dictionaryWithContentsOfURL(*url, loader))
            return *std::move(list);
    }
    return std::nullopt;
}

std::optional<Dictionary> LWPhoneHome::getDictionaryFromTheNet() const {
    return fetchList(plistUrls(), platform::URLLoader(collaborators_.loaderOptions));
}

// The addresses are copied now: the main thread may set others while the fetch runs. The
// checker goes back to the main queue inside the hand-back, so that it is never let go of on
// the fetch's thread.
void LWPhoneHome::checkForLastReleaseAvailableAndNotifyIsAvailable(bool notifyIsAvailable,
                                                                   bool notifyNotAvailable) {
    isChekingUpdateSystem_ = true;
    StopFlag stop = stopWhenTheApplicationStops();
    platform::URLLoader::Options options = collaborators_.loaderOptions;
    options.stop = stop;
    platform::OperationQueue queue;
    queue.addOperationWithBlock([self = std::static_pointer_cast<LWPhoneHome>(shared_from_this()),
                                 addresses = plistUrls(), options, stop, notifyIsAvailable,
                                 notifyNotAvailable]() mutable {
        auto list = fetchList(addresses, platform::URLLoader(options));
        platform::OperationQueue::mainQueue().addOperationWithBlock(
            [self = std::move(self), list = std::move(list), stop = std::move(stop),
             notifyIsAvailable, notifyNotAvailable] {
                self->concludeCheck(list, stop, notifyIsAvailable, notifyNotAvailable);
            });
    });
}

// After a quit nobody is left to answer an alert.
void LWPhoneHome::concludeCheck(const std::optional<Dictionary>& list, const StopFlag& stop,
                                bool notifyIsAvailable, bool notifyNotAvailable) {
    forgetQuitWatch(stop);
    const bool report = !stop->load();
    if (list) {
        setInPreferencesTodayWasChecked();
        if (const auto latest = UpdateList::latestRelease(*list); latest && report) {
            if (*latest > runningRelease()) {
                if (notifyIsAvailable)
                    notifyAboutUpdateAvailable(*list);
            } else if (notifyNotAvailable) {
                notifyAboutYourAppIsLastAvailable(*list);
            }
        }
    } else if (notifyNotAvailable && report) {
        notifyAboutFailedChechForUpdate(platform::Value());
    }
    isChekingUpdateSystem_ = false;
}

// Quitting waits for the background work, and so would wait for four time-outs.
LWPhoneHome::StopFlag LWPhoneHome::stopWhenTheApplicationStops() {
    auto stop = std::make_shared<std::atomic<bool>>(false);
    const auto application = platform::Application::sharedApplication();
    auto observation =
        application->runningProperty().observe([stop, weak = std::weak_ptr(application)] {
            const auto running = weak.lock();
            if (running && !running->isRunning())
                stop->store(true, std::memory_order_release);
        });
    quitWatches_.push_back({stop, std::move(observation)});
    return stop;
}

void LWPhoneHome::forgetQuitWatch(const StopFlag& stop) {
    std::erase_if(quitWatches_, [&](const QuitWatch& watch) { return watch.stop == stop; });
}

void LWPhoneHome::setInPreferencesTodayWasChecked() {
    const auto store = settings();
    store->setObject(platform::Value(now()), lastCheckDateKey);
    (void)store->synchronize();
}

bool LWPhoneHome::lastCheckNotToday() const {
    const auto stored = settings()->dateForKey(lastCheckDateKey);
    if (!stored)
        return true;
    const platform::Calendar days = calendar();
    const auto then = days.components(*stored);
    const auto today = days.components(now());
    if (!then || !today)
        return true;
    return then->year != today->year || then->month != today->month || then->day != today->day;
}

// Collaborators ------------------------------------------------------------------------------

std::shared_ptr<platform::UserDefaults> LWPhoneHome::settings() const {
    return collaborators_.settings ? collaborators_.settings
                                   : platform::UserDefaults::standardUserDefaults();
}

platform::Date LWPhoneHome::now() const {
    return collaborators_.clock ? collaborators_.clock() : platform::Date::now();
}

platform::Calendar LWPhoneHome::calendar() const {
    return collaborators_.calendar.value_or(platform::Calendar::currentCalendar());
}

std::int64_t LWPhoneHome::runningRelease() const {
    const auto release = myAppRelease();
    return release ? release->longValue() : 0;
}

LWPhoneHome::Sender LWPhoneHome::self() {
    return shared_from_this();
}

#pragma once

#include "platform/base/Calendar.h"
#include "platform/base/Date.h"
#include "platform/base/ManualRunLoop.h"
#include "platform/base/PropertyList.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/UserDefaults.h"
#include "platform/system/RecordingLauncher.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ScriptedModalRunner.h"
#include "support/LoopbackSocket.h"
#include "support/ScratchFolder.h"
#include "support/TestHTTPServer.h"
#include "update/LWPhoneHome.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace updatetest {

using namespace std::chrono_literals;
using platform::Dictionary;
using platform::Number;
using platform::String;
using platform::Value;
using testsupport::httpResponse;
using TestServer = testsupport::TestHTTPServer;

inline String utf16(const std::string& text) {
    return String(text.begin(), text.end());
}

// A property list as a server sends it.
inline std::string plistBody(const Value& root) {
    const auto bytes = platform::PropertyList::write(root, platform::PropertyListFormat::XML);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

inline std::string listBody(const Dictionary& list) {
    return plistBody(Value(list));
}

inline Dictionary listWithRelease(std::int64_t latest) {
    return {{u"LRA", Value(Number::int64(latest))},
            {u"GFU", Value(u"http://downloads.example/sealscribe.tar.gz")},
            {u"DPU", Value(u"https://downloads.example/sealscribe/")}};
}

// A checker of release 20601 on a manual run loop, in an environment of the test's own: its
// settings in a scratch folder, alerts answered from a script, the desktop's requests
// recorded; "notifyUpdate" is registered on. Its clock reads a chosen moment plus the loop's
// virtual clock, in a calendar pinned to UTC unless a test pins another.
class PhoneHomeTest : public testing::Test {
protected:
    // 2026-03-14 23:59:00 UTC.
    static constexpr double lateEvening = 795225540.0;
    static constexpr double day = 86400.0;

    PhoneHomeTest() {
        environment.application.set(application);
        application->setModalRunner(modal);
        environment.system().workspace.set(std::make_shared<platform::Workspace>(launcher));
        // As the application registers it.
        store()->registerDefaults({{u"notifyUpdate", Value(Number::boolean(true))}});
    }
    // A check still running concludes before the environment ends.
    ~PhoneHomeTest() override { loop.runUntilIdle(); }

    [[nodiscard]] std::shared_ptr<LWPhoneHome>
    makeChecker(std::chrono::milliseconds timeout = 2s,
                platform::Calendar calendar = platform::Calendar::calendarWithSecondsFromGMT(0)) {
        LWPhoneHome::Collaborators collaborators;
        collaborators.loaderOptions.timeout = timeout;
        collaborators.clock = [this] { return now(); };
        collaborators.calendar = calendar;
        auto made = std::make_shared<LWPhoneHome>(collaborators);
        made->SetValueAppRelease(Number::int32(20601), u"Sealscribe", std::nullopt, std::nullopt,
                                 std::nullopt, std::nullopt);
        return made;
    }

    [[nodiscard]] platform::Date now() const { return platform::Date(clockStart + loop.now()); }

    // Up to four addresses, in order; the rest stay empty.
    static void serveFrom(LWPhoneHome& phoneHome, const std::vector<std::string>& addresses) {
        std::optional<String> slots[4];
        for (std::size_t i = 0; i < addresses.size() && i < 4; ++i)
            slots[i] = utf16(addresses[i]);
        phoneHome.SetValueAppRelease(phoneHome.myAppRelease(), phoneHome.myAppName(), slots[0],
                                     slots[1], slots[2], slots[3]);
    }

    // Four addresses of the server: /1 to /4.
    static void serveFrom(LWPhoneHome& phoneHome, const TestServer& server) {
        serveFrom(phoneHome,
                  {server.url("/1"), server.url("/2"), server.url("/3"), server.url("/4")});
    }

    [[nodiscard]] static std::shared_ptr<platform::UserDefaults> store() {
        return platform::UserDefaults::standardUserDefaults();
    }
    [[nodiscard]] static std::optional<platform::Date> lastCheck() {
        return store()->dateForKey(u"lastCheckDateForUpdate");
    }

    // The addresses handed to the desktop, in order.
    [[nodiscard]] std::vector<std::string> opened() const {
        std::vector<std::string> links;
        for (const auto& request : launcher->requests())
            links.push_back(request.front().back());
        return links;
    }
    [[nodiscard]] std::vector<String> alertMessages() const {
        std::vector<String> messages;
        for (const auto& alert : modal->alertsShown())
            messages.push_back(alert->messageText());
        return messages;
    }

    double clockStart = lateEvening;
    testsupport::ScratchFolder settingsFolder;
    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    platform::Environment environment{settingsFolder.path()};
    std::shared_ptr<platform::Application> application = std::make_shared<platform::Application>();
    std::shared_ptr<platform::ScriptedModalRunner> modal =
        std::make_shared<platform::ScriptedModalRunner>(
            [](const std::string& failure) { ADD_FAILURE() << failure; });
    std::shared_ptr<platform::RecordingLauncher> launcher =
        std::make_shared<platform::RecordingLauncher>();
    std::shared_ptr<LWPhoneHome> checker = makeChecker();
};

} // namespace updatetest

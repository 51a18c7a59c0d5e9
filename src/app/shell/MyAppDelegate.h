#pragma once

#include "app/shell/LWAppDelegateBase.h"
#include "platform/base/Value.h"
#include "platform/ui/ServicesProvider.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Menu;
class Pasteboard;
class PopUpButton;
class Timer;
} // namespace platform

// The editor's application delegate: its registered settings, the font pop-ups of the
// preferences window, the Services provider "Sealscribe", the launch and the automatic
// lock while the application is in the background.
class MyAppDelegate : public LWAppDelegateBase, public platform::ServicesProvider {
public:
    static constexpr const char16_t* servicesProviderName = u"Sealscribe";
    static constexpr const char16_t* createDocWithTextMessage =
        u"doCreateDocWithText:userData:error:";

    // The class's set-up, before the first delegate is made: registers the settings'
    // defaults with the store and, as initial values, with its controller.
    static void initialize();
    // The sixteen settings and their defaults, as they are registered.
    [[nodiscard]] static std::vector<std::pair<platform::String, platform::Value>>
    registeredDefaults();

    MyAppDelegate();

    void applicationWillFinishLaunching(platform::Application& application) override;
    void applicationDidFinishLaunching(platform::Application& application) override;
    void applicationDidResignActive(platform::Application& application) override;
    void applicationDidBecomeActive(platform::Application& application) override;

    // Cancels the lock timer running and arms one of `seconds`, but of 30 at least; 0 or
    // less arms none.
    void setAutomaticLockWithTimeInterval(std::int32_t seconds);
    // The timer's action: asks every open document to lock itself.
    void AutomaticLockAllOpenedDocuments(platform::Timer& timer);
    // The last timer armed, kept after it has fired; none once a request armed none.
    [[nodiscard]] std::shared_ptr<platform::Timer> repeatingAutomaticLockTimer() const {
        return repeatingAutomaticLockTimer_.load();
    }
    void setRepeatingAutomaticLockTimer(std::shared_ptr<platform::Timer> timer) {
        repeatingAutomaticLockTimer_.store(std::move(timer));
    }

    // The installed families, sorted by code unit, in both font pop-ups.
    void buildUpFontMenuAndBindProgrammatically();

    [[nodiscard]] std::vector<platform::String> allowedStartupDocExtensions() const override;

    // The Services entry: the pasteboard's plain string becomes the body of a new document.
    // `error` is written only on failure: no string, or no document made.
    void doCreateDocWithText(platform::Pasteboard& pboard, const platform::Value& userData,
                             std::optional<platform::String>& error);

    static void test1(const Sender& sender) { (void)sender; }

    [[nodiscard]] std::shared_ptr<platform::PopUpButton> myFontPopup() const {
        return myFontPopup_;
    }
    [[nodiscard]] std::shared_ptr<platform::PopUpButton> myFontPopupForPublicNote() const {
        return myFontPopupForPublicNote_;
    }

private:
    void selectSavedFontFamilies();

    std::shared_ptr<platform::Menu> myPrefFontmenu_;
    std::shared_ptr<platform::PopUpButton> myFontPopup_;
    std::shared_ptr<platform::PopUpButton> myFontPopupForPublicNote_;
    std::shared_ptr<platform::Menu> myPrefPubNoteFontMenu_;
    std::atomic<std::shared_ptr<platform::Timer>> repeatingAutomaticLockTimer_;
};

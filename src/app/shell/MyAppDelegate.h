#pragma once

#include "app/shell/LWAppDelegateBase.h"
#include "platform/base/Value.h"
#include "platform/ui/ServicesProvider.h"

#include <memory>
#include <vector>

namespace platform {
class Menu;
class PopUpButton;
} // namespace platform

// The editor's application delegate: its registered settings, the font pop-ups of the
// preferences window, the Services provider "Sealscribe" and the launch.
class MyAppDelegate : public LWAppDelegateBase, public platform::ServicesProvider {
public:
    static constexpr const char16_t* servicesProviderName = u"Sealscribe";

    // The class's set-up, before the first delegate is made: registers the settings'
    // defaults with the store and, as initial values, with its controller.
    static void initialize();
    // The sixteen settings and their defaults, as they are registered.
    [[nodiscard]] static std::vector<std::pair<platform::String, platform::Value>>
    registeredDefaults();

    MyAppDelegate();

    void applicationWillFinishLaunching(platform::Application& application) override;
    void applicationDidFinishLaunching(platform::Application& application) override;

    // The installed families, sorted by code unit, in both font pop-ups.
    void buildUpFontMenuAndBindProgrammatically();

    [[nodiscard]] static std::vector<platform::String> allowedStartupDocExtensions();

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
};

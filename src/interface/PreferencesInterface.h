#pragma once

#include "platform/ui/InterfaceRegistry.h"

#include <memory>

namespace platform {
class LoadedInterface;
class PopUpButton;
class Object;
class View;
} // namespace platform

class LWAppDelegateBase;

// The interface description "Preferences", loaded for the application as "MainMenu" is:
// the preferences window, its toolbar of four panes and the panes' controls, bound to
// the settings ("values.KEY" of the shared user-defaults controller). The window and the
// two font pop-ups are outlets of the application's delegate.
class PreferencesInterface {
public:
    static constexpr const char16_t* name = u"Preferences";
    static constexpr double width = 480;

    static void registerIn(platform::InterfaceRegistry& registry);
    static void build(platform::LoadedInterface& interface);

private:
    static std::shared_ptr<platform::View> generalPane(platform::LoadedInterface& interface,
                                                       LWAppDelegateBase& delegate);
    static std::shared_ptr<platform::View>
    startupDocumentBox(platform::LoadedInterface& interface, LWAppDelegateBase& delegate,
                       const std::shared_ptr<platform::PopUpButton>& action);
    static std::shared_ptr<platform::View> editPane(platform::LoadedInterface& interface,
                                                    LWAppDelegateBase& delegate);
    static std::shared_ptr<platform::View> advancedPane(platform::LoadedInterface& interface);
    static std::shared_ptr<platform::View> updatePane(platform::LoadedInterface& interface,
                                                      LWAppDelegateBase& delegate);
};

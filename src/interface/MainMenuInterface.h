#pragma once

#include "platform/ui/InterfaceRegistry.h"

#include <memory>

namespace platform {
class LoadedInterface;
class Menu;
} // namespace platform

// The interface description "MainMenu", loaded for the application as its owner: the
// application menu, File, Edit, Format, Window and Help, and the application's delegate
// (MyAppDelegate), which answers the application menu's and Help's commands. Commands without a
// target go down the responder chain (the text, the window, the document, the application, the
// document controller); the Format menu targets the FontTraitCommands it makes beside
// the menu for its font commands. Holds only commands that something in the program answers.
class MainMenuInterface {
public:
    static constexpr const char16_t* name = u"MainMenu";

    static void registerIn(platform::InterfaceRegistry& registry);
    static void build(platform::LoadedInterface& interface);

    // The menu of a loaded "MainMenu"; none for another interface.
    [[nodiscard]] static std::shared_ptr<platform::Menu>
    mainMenuOf(const platform::LoadedInterface& interface);

private:
    static void makeApplicationDelegate(platform::LoadedInterface& interface,
                                        const std::shared_ptr<platform::Menu>& help);
    static std::shared_ptr<platform::Menu> applicationMenu();
    static std::shared_ptr<platform::Menu> helpMenu();
    static std::shared_ptr<platform::Menu> fileMenu();
    static std::shared_ptr<platform::Menu> importMenu();
    static std::shared_ptr<platform::Menu> exportMenu();
    static std::shared_ptr<platform::Menu> editMenu();
    static std::shared_ptr<platform::Menu> formatMenu(platform::LoadedInterface& interface);
    static std::shared_ptr<platform::Menu> windowMenu(platform::LoadedInterface& interface);
};

#include "interface/MainMenuInterface.h"

#include "app/shell/MyAppDelegate.h"
#include "interface/FontTraitCommands.h"
#include "platform/ui/Application.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"

using platform::Menu;
using platform::MenuItem;
using platform::String;

namespace {

std::shared_ptr<MenuItem> command(const std::shared_ptr<Menu>& menu, const String& title,
                                  const String& action, const String& key = u"") {
    auto item = std::make_shared<MenuItem>(title, action, key);
    menu->addItem(item);
    return item;
}

void separator(const std::shared_ptr<Menu>& menu) {
    menu->addItem(MenuItem::separatorItem());
}

void addSubmenu(Menu& bar, const std::shared_ptr<Menu>& submenu) {
    auto item = std::make_shared<MenuItem>(submenu->title(), u"", u"");
    item->setSubmenu(submenu);
    bar.addItem(item);
}

} // namespace

void MainMenuInterface::registerIn(platform::InterfaceRegistry& registry) {
    registry.registerInterface(name, build);
}

void MainMenuInterface::build(platform::LoadedInterface& interface) {
    auto bar = interface.addTopLevelObject(std::make_shared<Menu>(u"Main Menu"));
    addSubmenu(*bar, applicationMenu());
    addSubmenu(*bar, fileMenu());
    addSubmenu(*bar, editMenu());
    addSubmenu(*bar, formatMenu(interface));
    addSubmenu(*bar, windowMenu(interface));
    auto help = helpMenu();
    addSubmenu(*bar, help);
    makeApplicationDelegate(interface, help);
}

// The class's set-up comes before its first object.
void MainMenuInterface::makeApplicationDelegate(platform::LoadedInterface& interface,
                                                const std::shared_ptr<Menu>& help) {
    const auto application = std::dynamic_pointer_cast<platform::Application>(interface.owner());
    if (!application)
        return;
    MyAppDelegate::initialize();
    auto delegate = interface.addTopLevelObject(std::make_shared<MyAppDelegate>());
    interface.connectOutlet(delegate, u"myHelpMenu", help);
    application->setDelegate(delegate);
}

std::shared_ptr<Menu> MainMenuInterface::mainMenuOf(const platform::LoadedInterface& interface) {
    return interface.name() == name ? interface.firstTopLevelObject<Menu>() : nullptr;
}

std::shared_ptr<Menu> MainMenuInterface::applicationMenu() {
    auto menu = std::make_shared<Menu>(u"Sealscribe");
    command(menu, u"About Sealscribe", u"orderFrontStandardAboutPanel:");
    command(menu, u"Preferences\u2026", u"openPreferences:", u",");
    separator(menu);
    command(menu, u"Quit Sealscribe", u"terminate:", u"q");
    return menu;
}

std::shared_ptr<Menu> MainMenuInterface::helpMenu() {
    auto menu = std::make_shared<Menu>(u"Help");
    command(menu, u"Sealscribe User Guide", u"openUserGuide:");
    command(menu, u"Email Support\u2026", u"emailUs:");
    separator(menu);
    command(menu, u"Sealscribe Website", u"visitUs:");
    command(menu, u"Sealscribe Product Page", u"visitAppUrl:");
    command(menu, u"Sealscribe on Social Media", u"twitter:");
    return menu;
}

std::shared_ptr<Menu> MainMenuInterface::fileMenu() {
    auto menu = std::make_shared<Menu>(u"File");
    command(menu, u"New", u"newDocument:", u"n");
    command(menu, u"Open\u2026", u"openDocument:", u"o");
    separator(menu);
    command(menu, u"Close", u"performClose:", u"w");
    command(menu, u"Save", u"saveDocument:", u"s");
    command(menu, u"Save As\u2026", u"saveDocumentAs:", u"S");
    command(menu, u"Revert to Saved", u"revertDocumentToSaved:");
    separator(menu);
    command(menu, u"Lock Document", u"lockDocument:", u"l");
    command(menu, u"Change Master Password\u2026", u"documentPassword:");
    command(menu, u"Public Note\u2026", u"editPublicNote:");
    separator(menu);
    addSubmenu(*menu, importMenu());
    addSubmenu(*menu, exportMenu());
    separator(menu);
    command(menu, u"Page Setup\u2026", u"runPageLayout:", u"P");
    command(menu, u"Print\u2026", u"printDocument:", u"p");
    return menu;
}

std::shared_ptr<Menu> MainMenuInterface::importMenu() {
    auto menu = std::make_shared<Menu>(u"Import");
    command(menu, u"Text\u2026", u"importFromTEXT:");
    command(menu, u"RTF\u2026", u"importFromRTF:");
    command(menu, u"RTFD\u2026", u"importFromRTFD:");
    return menu;
}

std::shared_ptr<Menu> MainMenuInterface::exportMenu() {
    auto menu = std::make_shared<Menu>(u"Export");
    command(menu, u"Unencrypted Text\u2026", u"exportToTEXT:");
    command(menu, u"Unencrypted RTF\u2026", u"exportToRTF:");
    command(menu, u"Unencrypted RTFD\u2026", u"exportToRTFD:");
    return menu;
}

// The focused text answers these; with none they are disabled.
std::shared_ptr<Menu> MainMenuInterface::editMenu() {
    auto menu = std::make_shared<Menu>(u"Edit");
    command(menu, u"Undo", u"undo:", u"z");
    command(menu, u"Redo", u"redo:", u"Z");
    separator(menu);
    command(menu, u"Cut", u"cut:", u"x");
    command(menu, u"Copy", u"copy:", u"c");
    command(menu, u"Paste", u"paste:", u"v");
    command(menu, u"Delete", u"delete:", u"\u007f");
    separator(menu);
    command(menu, u"Select All", u"selectAll:", u"a");
    return menu;
}

// The application lists the open windows after Minimize.
std::shared_ptr<Menu> MainMenuInterface::windowMenu(platform::LoadedInterface& interface) {
    auto menu = std::make_shared<Menu>(u"Window");
    command(menu, u"Minimize", u"performMiniaturize:", u"m");
    if (const auto application =
            std::dynamic_pointer_cast<platform::Application>(interface.owner()))
        application->setWindowsMenu(menu);
    return menu;
}

// The font commands go to their own target, the document's to the responder chain.
std::shared_ptr<Menu> MainMenuInterface::formatMenu(platform::LoadedInterface& interface) {
    auto menu = std::make_shared<Menu>(u"Format");
    auto application = std::dynamic_pointer_cast<platform::Application>(interface.owner());
    auto traits = interface.addTopLevelObject(std::make_shared<FontTraitCommands>(application));
    const auto fontCommand = [&](const String& title, const String& action, const String& key) {
        auto item = command(menu, title, action, key);
        item->setTarget(traits);
        return item;
    };
    fontCommand(u"Bold", u"addFontTrait:", u"b")->setTag(FontTraitCommands::boldTrait);
    fontCommand(u"Italic", u"addFontTrait:", u"i")->setTag(FontTraitCommands::italicTrait);
    fontCommand(u"Underline", u"underline:", u"u");
    separator(menu);
    command(menu, u"Make Plain Text", u"makePlainText:", u"T");
    separator(menu);
    // Validation titles it "Prevent Editing" or "Allow Editing".
    command(menu, u"Prevent Editing", u"switchReadAndWrite:");
    command(menu, u"Read Only", u"setReadOnly:");
    command(menu, u"Editable", u"setReadAndWrite:");
    return menu;
}

#include "interface/PreferencesInterface.h"

#include "app/shell/LWAppDelegateBase.h"
#include "app/shell/MyPrefToolbarDelegate.h"
#include "app/utilities/LWWhiteView.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/NumberFormatter.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

using platform::LoadedInterface;
using platform::Rect;
using platform::String;
using platform::View;

namespace {

constexpr double margin = 20;
constexpr double rowHeight = 22;
constexpr double labelWidth = 150;
constexpr double innerWidth = PreferencesInterface::width - 2 * margin;

// A pane's rows, one under the other within its margins.
struct Pane {
    explicit Pane(double height)
        : outer(std::make_shared<View>(Rect(0, 0, PreferencesInterface::width, height))),
          lines(std::make_shared<View>(Rect(margin, margin, innerWidth, height - 2 * margin))) {
        lines->setLayoutHints({platform::LayoutDirection::Column, 8, {}, {}});
        outer->addSubview(lines);
    }

    std::shared_ptr<View> outer;
    std::shared_ptr<View> lines;
};

template <typename V>
std::shared_ptr<V> sized(std::shared_ptr<V> view, double width, double height = rowHeight) {
    view->setFrame(Rect(0, 0, width, height));
    view->setLayoutHints({platform::LayoutDirection::None, 0, width, height});
    return view;
}

std::shared_ptr<View> row(const std::vector<std::shared_ptr<View>>& views) {
    auto line = sized(std::make_shared<View>(), innerWidth);
    line->setLayoutHints({platform::LayoutDirection::Row, 8, innerWidth, rowHeight});
    for (const auto& view : views)
        line->addSubview(view);
    return line;
}

std::shared_ptr<View> label(const String& text, double width = labelWidth) {
    return sized(platform::TextField::labelWithString(text), width);
}

void bindSetting(LoadedInterface& interface, const std::shared_ptr<View>& view,
                 const String& binding, const String& key,
                 const platform::BindingOptions& options = {}) {
    interface.bind(view, binding, platform::UserDefaultsController::sharedUserDefaultsController(),
                   u"values." + key, options);
}

std::shared_ptr<platform::Button> checkBox(LoadedInterface& interface, const String& title,
                                           const String& key) {
    auto box = sized(std::make_shared<platform::Button>(), innerWidth);
    box->setButtonType(platform::ButtonType::Switch);
    box->setTitle(title);
    bindSetting(interface, box, u"value", key);
    return box;
}

std::shared_ptr<platform::TextField> numberField(LoadedInterface& interface, const String& key,
                                                 bool allowsFloats) {
    auto field = sized(std::make_shared<platform::TextField>(), 70);
    using Style = platform::NumberFormatter::Style;
    field->setFormatter(std::make_shared<platform::NumberFormatter>(allowsFloats ? Style::Decimal
                                                                                 : Style::Integer));
    bindSetting(interface, field, u"value", key);
    return field;
}

std::shared_ptr<platform::PopUpButton> fontPopUp(LoadedInterface& interface, const String& key) {
    auto popUp = sized(std::make_shared<platform::PopUpButton>(), 220);
    bindSetting(interface, popUp, u"selectedValue", key);
    return popUp;
}

std::shared_ptr<platform::TabViewItem> tab(const String& identifier, const String& title,
                                           const std::shared_ptr<View>& view) {
    auto item = std::make_shared<platform::TabViewItem>(identifier);
    item->setLabel(title);
    item->setView(view);
    return item;
}

} // namespace

void PreferencesInterface::registerIn(platform::InterfaceRegistry& registry) {
    registry.registerInterface(name, build);
}

// The delegate of the application that loads the description owns its outlets.
void PreferencesInterface::build(LoadedInterface& interface) {
    const auto application = std::dynamic_pointer_cast<platform::Application>(interface.owner());
    const auto delegate = std::dynamic_pointer_cast<LWAppDelegateBase>(
        application ? application->delegate() : nullptr);
    if (!delegate)
        return;
    auto window = interface.addTopLevelObject(std::make_shared<platform::Window>(
        Rect(0, 0, width, 230 + platform::Window::titleBarHeight)));
    window->setTitle(u"Preferences");
    auto tabs = std::make_shared<platform::TabView>(Rect(0, 0, width, 315));
    tabs->setTabless(true);
    tabs->addTabViewItem(tab(u"0", u"General", generalPane(interface, *delegate)));
    tabs->addTabViewItem(tab(u"1", u"Edit", editPane(interface, *delegate)));
    tabs->addTabViewItem(tab(u"2", u"Advanced", advancedPane(interface)));
    tabs->addTabViewItem(tab(u"3", u"Update", updatePane(interface, *delegate)));
    window->setContentView(tabs);
    interface.connectOutlet(delegate, u"prefWindow", window);

    const auto panes = interface.addTopLevelObject(std::make_shared<MyPrefToolbarDelegate>());
    interface.connectOutlet(panes, u"myTabView", tabs);
    interface.connectOutlet(panes, u"myWindow", window);
    panes->awakeFromNib();
}

std::shared_ptr<View> PreferencesInterface::generalPane(LoadedInterface& interface,
                                                        LWAppDelegateBase& delegate) {
    const Pane view(230);
    auto action = sized(std::make_shared<platform::PopUpButton>(), 260);
    auto menu = std::make_shared<platform::Menu>(u"");
    const std::pair<std::int64_t, String> actions[] = {
        {0, u"Create a New Document"},
        {1, u"Show the Open Panel"},
        {2, u"Show the Open Panel at Once"},
        {3, u"Open Selected Document"},
    };
    for (const auto& [tag, title] : actions) {
        auto item = std::make_shared<platform::MenuItem>(title, u"", u"");
        item->setTag(tag);
        menu->addItem(item);
    }
    action->setMenu(menu);
    bindSetting(interface, action, u"selectedTag", u"StartupActionTag");
    view.lines->addSubview(row({label(u"At start-up:", 110), action}));
    view.lines->addSubview(startupDocumentBox(interface, delegate, action));
    return view.outer;
}

// The chosen document on a white framed backdrop; its buttons serve the action that opens it.
std::shared_ptr<View>
PreferencesInterface::startupDocumentBox(LoadedInterface& interface, LWAppDelegateBase& delegate,
                                         const std::shared_ptr<platform::PopUpButton>& action) {
    constexpr double height = 130;
    constexpr double inset = 10;
    auto box = sized(std::make_shared<View>(), innerWidth, height);
    box->addSubview(sized(std::make_shared<LWWhiteView>(), innerWidth, height));
    const auto owner = delegate.shared_from_this();
    const auto place = [&](const std::shared_ptr<View>& view, double x, double line) {
        const Rect frame = view->frame();
        view->setFrame(Rect(x, height - inset - (line + 1) * rowHeight - line * 8, frame.width(),
                            frame.height()));
        box->addSubview(view);
    };

    place(label(u"Start-up document:", 140), inset, 0);
    auto chosen = label(u"", innerWidth - 160);
    platform::BindingOptions nameOfBookmark;
    nameOfBookmark.valueTransformerName = u"LWNameFromBookmark";
    bindSetting(interface, chosen, u"value", u"StartupSelectedDocBookmark", nameOfBookmark);
    platform::BindingOptions pathOfBookmark;
    pathOfBookmark.valueTransformerName = u"LWPathFromBookmark";
    bindSetting(interface, chosen, u"toolTip", u"StartupSelectedDocBookmark", pathOfBookmark);
    place(chosen, inset + 150, 0);

    auto mark = label(u"\u26a0", 20);
    interface.bind(mark, u"hidden", owner, u"StartupDocSpecified");
    place(mark, inset, 1);
    auto status = label(u"", innerWidth - 2 * inset - 24);
    interface.bind(status, u"value", owner, u"StartupDocPathMessageString");
    place(status, inset + 24, 1);

    platform::BindingOptions whenChosen;
    whenChosen.valueTransformerName = u"valueIsOpSelDoc";
    const std::pair<const char16_t*, const char16_t*> buttons[] = {
        {u"Choose\u2026", u"selectStartupDoc:"},
        {u"Forget", u"clearStartupSelectedDoc:"},
        {u"Show in Folder", u"showInFinderStartupDoc:"},
        {u"Open Now", u"testOpenStartupDoc:"},
    };
    double x = inset;
    for (const auto& [title, command] : buttons) {
        auto button = sized(std::make_shared<platform::Button>(), 100);
        button->setTitle(title);
        interface.connectAction(button, command,
                                std::static_pointer_cast<platform::Responder>(owner));
        interface.bind(button, u"enabled", action, u"titleOfSelectedItem", whenChosen);
        place(button, x, 3);
        x += 105;
    }
    return box;
}

std::shared_ptr<View> PreferencesInterface::editPane(LoadedInterface& interface,
                                                     LWAppDelegateBase& delegate) {
    const Pane view(315);
    view.lines->addSubview(label(u"New documents", innerWidth));
    auto bodyFont = fontPopUp(interface, u"StartupFontFamily");
    interface.connectOutlet(delegate.shared_from_this(), u"myFontPopup", bodyFont);
    view.lines->addSubview(row({label(u"Font:", 60), bodyFont, label(u"Size:", 40),
                                numberField(interface, u"StartupFontSize", true)}));
    view.lines->addSubview(checkBox(interface, u"Show the ruler", u"StartWithRuler"));
    view.lines->addSubview(
        checkBox(interface, u"Check spelling while typing", u"StartWithSpelling"));
    view.lines->addSubview(label(u"Public note", innerWidth));
    auto noteFont = fontPopUp(interface, u"PublicNoteFontFamily");
    interface.connectOutlet(delegate.shared_from_this(), u"myFontPopupForPublicNote", noteFont);
    view.lines->addSubview(row({label(u"Font:", 60), noteFont, label(u"Size:", 40),
                                numberField(interface, u"PublicNoteFontSize", true)}));
    view.lines->addSubview(checkBox(interface, u"Bold", u"PublicNoteFontBold"));
    view.lines->addSubview(checkBox(interface, u"Italic", u"PublicNoteFontItalic"));
    return view.outer;
}

std::shared_ptr<View> PreferencesInterface::advancedPane(LoadedInterface& interface) {
    const Pane view(160);
    view.lines->addSubview(checkBox(interface, u"Lock documents while Sealscribe is inactive",
                                    u"autolocBackgroundEnabled"));
    auto interval = numberField(interface, u"autolocBackgroundInterval", false);
    platform::BindingOptions enabledWhenOn;
    enabledWhenOn.valueTransformerName = u"valueNot0";
    bindSetting(interface, interval, u"enabled", u"autolocBackgroundEnabled", enabledWhenOn);
    view.lines->addSubview(row({label(u"Lock after (seconds):"), interval}));
    view.lines->addSubview(
        sized(platform::TextField::wrappingLabelWithString(
                  u"The time counts from the moment Sealscribe stops being the active "
                  u"application. It is never less than 30 seconds."),
              innerWidth, 2 * rowHeight));
    return view.outer;
}

std::shared_ptr<View> PreferencesInterface::updatePane(LoadedInterface& interface,
                                                       LWAppDelegateBase& delegate) {
    const Pane view(150);
    view.lines->addSubview(
        checkBox(interface, u"Report available updates at start-up", u"notifyUpdate"));
    auto check = sized(std::make_shared<platform::Button>(), 140);
    check->setTitle(u"Check Now");
    interface.connectAction(
        check, u"checkForLastReleaseAvailable:",
        std::static_pointer_cast<platform::Responder>(delegate.shared_from_this()));
    view.lines->addSubview(check);
    return view.outer;
}

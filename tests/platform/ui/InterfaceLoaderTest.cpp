#include "platform/ui/InterfaceLoader.h"

#include "DocumentTestSupport.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/ui/Binding.h"
#include "platform/ui/Button.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Panel.h"

using namespace platform;
using namespace documenttest;

namespace {

// An owner with a few outlets and an action, like a document class.
class Owner : public Responder, public OutletOwner {
public:
    Owner() {
        exposeOutlet(u"myWindow", myWindow);
        exposeOutlet(u"mySheet", mySheet);
        exposeOutlet(u"okButton", okButton);
        exposeOutlet(u"weakMenu", weakMenu);
        exposeAction(u"confirm:", [this](const Sender& sender) { senders.push_back(sender); });
    }

    std::shared_ptr<Window> myWindow;
    std::shared_ptr<Panel> mySheet;
    std::shared_ptr<Button> okButton;
    std::weak_ptr<Menu> weakMenu;
    String name = u"first";
    std::vector<Sender> senders;

private:
    platform::ComputedProperty<String> nameByKey_{*this, u"name", [this] { return name; },
                                                  [this](const String& value) {
                                                      name = value;
                                                      nameByKey_.changed();
                                                  }};
};

// A helper object of the interface with an outlet back to the owner.
class Helper : public Object, public OutletOwner {
public:
    Helper() { exposeOutlet(u"owner", owner); }
    std::shared_ptr<Owner> owner;
};

class InterfaceLoaderTest : public DocumentTest {
protected:
    InterfaceLoaderTest() {
        registry->registerInterface(u"Small", [](LoadedInterface& interface) {
            auto window = interface.addTopLevelObject(std::make_shared<Window>());
            auto sheet = interface.addTopLevelObject(std::make_shared<Panel>());
            auto menu = interface.addTopLevelObject(std::make_shared<Menu>(u"Edit"));
            auto helper = interface.addTopLevelObject(std::make_shared<Helper>());
            auto content = std::make_shared<View>();
            auto button = std::make_shared<Button>();
            auto field = std::make_shared<TextField>();
            window->setContentView(content);
            content->addSubview(button);
            content->addSubview(field);
            auto item = std::make_shared<MenuItem>(u"Confirm", u"", u"");
            menu->addItem(item);

            interface.connectOutlet(u"myWindow", window);
            interface.connectOutlet(u"okButton", button);
            interface.connectOutlet(u"weakMenu", menu);
            interface.connectOutlet(helper, u"owner", interface.owner());
            interface.connectAction(button, u"confirm:", interface.ownerResponder());
            interface.connectAction(item, u"confirm:");
            interface.bind(field, u"value", interface.owner(), u"name");
        });
    }

    std::shared_ptr<Owner> owner = std::make_shared<Owner>();
};

TEST_F(InterfaceLoaderTest, ConnectsOutletsActionsAndBindingsToTheOwner) {
    const auto interface = InterfaceLoader::loadNibNamed(u"Small", owner);
    ASSERT_TRUE(interface);
    EXPECT_EQ(interface->topLevelObjects().size(), 4u);
    EXPECT_EQ(owner->myWindow, interface->firstTopLevelObject<Window>());
    ASSERT_TRUE(owner->okButton);
    EXPECT_EQ(owner->okButton->window(), owner->myWindow);
    EXPECT_EQ(owner->weakMenu.lock(), interface->firstTopLevelObject<Menu>());
    EXPECT_EQ(interface->firstTopLevelObject<Helper>()->owner, owner);
    EXPECT_EQ(owner->mySheet, nullptr) << "an outlet the description leaves alone stays empty";
    EXPECT_TRUE(messages.empty());

    owner->okButton->userPress();
    ASSERT_EQ(owner->senders.size(), 1u);
    EXPECT_EQ(owner->senders[0], owner->okButton);

    // The bound field shows the owner's value and hands the user's edit back.
    const auto field =
        std::dynamic_pointer_cast<TextField>(owner->myWindow->contentView()->subviews()[1]);
    EXPECT_EQ(field->stringValue(), u"first");
    owner->setValueForKey(Value(u"second"), u"name");
    EXPECT_EQ(field->stringValue(), u"second");
    field->userType(u"typed");
    owner->myWindow->makeKeyAndOrderFront(nullptr);
    EXPECT_TRUE(owner->myWindow->makeFirstResponder(nullptr));
    EXPECT_EQ(owner->name, u"typed");
    EXPECT_EQ(interface->numberOfBindings(), 1u);

    // The menu item's action has no target: it goes down the responder chain.
    auto item = interface->firstTopLevelObject<Menu>()->itemAtIndex(0);
    EXPECT_EQ(item->action(), u"confirm:");
    EXPECT_EQ(item->target(), nullptr);
}

TEST_F(InterfaceLoaderTest, TheInterfaceKeepsWhatItMadeAlive) {
    std::weak_ptr<Menu> menu;
    {
        const auto interface = InterfaceLoader::loadNibNamed(u"Small", owner);
        menu = owner->weakMenu;
        EXPECT_TRUE(menu.lock());
    }
    EXPECT_FALSE(menu.lock()) << "the weak outlet does not keep the menu";
    EXPECT_TRUE(owner->myWindow) << "the strong outlet keeps the window";
}

TEST_F(InterfaceLoaderTest, ReportsWhatItCannotConnect) {
    registry->registerInterface(u"Broken", [](LoadedInterface& interface) {
        auto window = interface.addTopLevelObject(std::make_shared<Window>());
        interface.connectOutlet(u"noSuchOutlet", window);
        interface.connectOutlet(u"okButton", window);
        interface.connectOutlet(u"myWindow", window);
        interface.bind(std::make_shared<View>(), u"value", interface.owner(), u"name");
    });
    const auto interface = InterfaceLoader::loadNibNamed(u"Broken", owner);
    ASSERT_TRUE(interface);
    EXPECT_EQ(owner->myWindow, interface->firstTopLevelObject<Window>())
        << "the connections that can be made are made";
    EXPECT_EQ(owner->okButton, nullptr);
    EXPECT_EQ(messages,
              (std::vector<String>{
                  u"interface \u201cBroken\u201d: outlet \u201cnoSuchOutlet\u201d not connected: "
                  u"the owner has no such outlet",
                  u"interface \u201cBroken\u201d: outlet \u201cokButton\u201d not connected: the "
                  u"object is not of the outlet's type",
                  u"interface \u201cBroken\u201d: binding \u201cvalue\u201d to \u201cname\u201d "
                  u"not made"}));
}

// A misspelled key would otherwise leave a view that never follows its model.
TEST_F(InterfaceLoaderTest, ReportsAKeyThatTheObjectLacksWhenBoundOrObserved) {
    registry->registerInterface(u"Misspelled", [](LoadedInterface& interface) {
        auto window = interface.addTopLevelObject(std::make_shared<Window>());
        auto field = std::make_shared<TextField>();
        window->setContentView(field);
        interface.bind(field, u"value", interface.owner(), u"nmae");
    });
    const auto interface = InterfaceLoader::loadNibNamed(u"Misspelled", owner);
    ASSERT_TRUE(interface);
    EXPECT_EQ(interface->numberOfBindings(), 0u);
    EXPECT_EQ(
        messages,
        (std::vector<String>{
            u"binding to \u201cnmae\u201d not made: the object has no key \u201cnmae\u201d",
            u"interface \u201cMisspelled\u201d: binding \u201cvalue\u201d to \u201cnmae\u201d "
            u"not made"}));

    messages.clear();
    const auto window = std::make_shared<Window>();
    const auto observation = window->addObserver(u"fram", [](const Value&) {});
    EXPECT_FALSE(observation.isActive());
    auto settings = std::make_shared<UserDefaultsController>(
        std::make_shared<UserDefaults>(folder / "settings"));
    const auto pending = settings->addPendingEdit(
        u"valeus", [] {}, [] {});
    EXPECT_EQ(messages,
              (std::vector<String>{
                  u"the key \u201cfram\u201d was observed, but the object has no such key",
                  u"the key \u201cvaleus\u201d was edited, but the object has no such key"}));

    // The settings take any key, as the store does.
    messages.clear();
    const auto field = std::make_shared<TextField>();
    const auto setting = Binding::bind(field, u"value", settings, u"values.AnyKeyAtAll");
    EXPECT_TRUE(setting);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InterfaceLoaderTest, RefusesAnUnknownName) {
    EXPECT_EQ(InterfaceLoader::loadNibNamed(u"Preferences", owner), nullptr);
    EXPECT_EQ(messages, std::vector<String>{
                            u"no interface description named \u201cPreferences\u201d to load"});
}

TEST_F(InterfaceLoaderTest, AWindowControllerLoadsItsWindowForItsOwner) {
    // Without a "window" outlet, the first top-level window is the controller's.
    auto controllerOfOwner = std::make_shared<WindowController>(u"Small", owner);
    EXPECT_FALSE(controllerOfOwner->isWindowLoaded());
    EXPECT_EQ(controllerOfOwner->window(), owner->myWindow);
    EXPECT_TRUE(controllerOfOwner->loadedInterface());

    auto unknown = std::make_shared<WindowController>(u"Missing", owner);
    EXPECT_EQ(unknown->window(), nullptr);
    EXPECT_TRUE(unknown->isWindowLoaded());
}

} // namespace

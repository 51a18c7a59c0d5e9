#include "platform/ui/Binding.h"

#include "UiTest.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/ui/Button.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/NumberFormatter.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ValueTransformer.h"
#include "support/ScratchFolder.h"

using namespace platform;

namespace {

// An object whose keys hold whatever is set, with notifications.
class Model : public Object {
public:
    explicit Model(std::initializer_list<String> keys) {
        for (const auto& key : keys)
            values_[key] = Value();
    }
    Value valueForKey(const String& key) const override {
        const auto found = values_.find(key);
        return found == values_.end() ? Value() : found->second;
    }
    void setValueForKey(const Value& value, const String& key) override {
        if (!hasOpenKey(key))
            return;
        values_[key] = value;
        ++writes;
        didChangeValueForKey(key);
    }
    int writes = 0;

protected:
    [[nodiscard]] bool hasOpenKey(const String& key) const override {
        return values_.contains(key);
    }

private:
    std::map<String, Value> values_;
};

// Integer 3 shows as on; on is written back as 3, off as none.
class Is3 : public ValueTransformer {
public:
    Value transformedValue(const Value& value) const override {
        return value.isNone() ? Value() : Value(Number::int32(value.shortValue() == 3 ? 1 : 0));
    }
    Value reverseTransformedValue(const Value& value) const override {
        return value.boolValue() ? Value(Number::int32(3)) : Value();
    }
    bool allowsReverseTransformation() const override { return true; }
};

// 1 for anything but 0; does not reverse.
class Not0 : public ValueTransformer {
public:
    Value transformedValue(const Value& value) const override {
        return value.isNone() ? Value() : Value(Number::int32(value.shortValue() != 0 ? 1 : 0));
    }
};

BindingOptions through(const String& transformerName, bool continuous = false) {
    BindingOptions options;
    options.valueTransformerName = transformerName;
    options.continuouslyUpdatesValue = continuous;
    return options;
}

BindingOptions continuous() {
    return through(u"", true);
}

class Bindings : public uitest::UiTest {
protected:
    Bindings() {
        ValueTransformer::resetRegistry();
        ValueTransformer::registerClass<Is3>(u"LWValueIs3");
        ValueTransformer::setValueTransformer(std::make_shared<Not0>(), u"valueNot0");
        store = std::make_shared<UserDefaults>(
            folder_.path(), [](const String&) {}, std::chrono::hours(24));
        store->registerDefaults({{u"StartupActionTag", Number::int32(0)},
                                 {u"StartupFontFamily", u"Helvetica"},
                                 {u"autolocBackgroundInterval", Number::int32(120)}});
        controller = std::make_shared<UserDefaultsController>(store);
    }
    ~Bindings() override {
        controller.reset();
        store.reset();
        ValueTransformer::resetRegistry();
    }

    static std::shared_ptr<PopUpButton> fontPopUp(std::initializer_list<String> titles) {
        auto popUp = std::make_shared<PopUpButton>();
        popUp->setMenu(menuOf(titles));
        return popUp;
    }
    static std::shared_ptr<Menu> menuOf(std::initializer_list<String> titles) {
        auto menu = std::make_shared<Menu>();
        for (const auto& title : titles)
            menu->addItem(std::make_shared<MenuItem>(title, u"", u""));
        return menu;
    }

    testsupport::ScratchFolder folder_;
    std::shared_ptr<UserDefaults> store;
    std::shared_ptr<UserDefaultsController> controller;
};

TEST_F(Bindings, TextFieldFollowsTheModelAndWritesTheUsersText) {
    const auto model =
        std::make_shared<Model>(std::initializer_list<String>{u"plainPasswordInserted"});
    const auto field = std::make_shared<TextField>();
    model->setValueForKey(u"before", u"plainPasswordInserted");
    const auto binding =
        Binding::bind(field, u"value", model, u"plainPasswordInserted", continuous());
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(field->stringValue(), u"before");

    model->setValueForKey(u"", u"plainPasswordInserted");
    EXPECT_EQ(field->stringValue(), u"");

    field->userType(u"secret");
    EXPECT_EQ(model->valueForKey(u"plainPasswordInserted"), Value(u"secret"));
}

TEST_F(Bindings, FieldThatIsNotContinuousWritesWhenItsEditingEnds) {
    const auto window = shownWindow();
    window->setContentView(std::make_shared<View>());
    const auto field = std::make_shared<TextField>();
    const auto other = std::make_shared<TextField>();
    window->contentView()->addSubview(field);
    window->contentView()->addSubview(other);
    const auto model = std::make_shared<Model>(std::initializer_list<String>{u"name"});
    const auto binding = Binding::bind(field, u"value", model, u"name");
    ASSERT_NE(binding, nullptr);

    field->userType(u"draft");
    field->userType(u"final");
    EXPECT_TRUE(model->valueForKey(u"name").isNone());
    ASSERT_TRUE(window->makeFirstResponder(other));
    EXPECT_EQ(model->valueForKey(u"name"), Value(u"final"));
    EXPECT_EQ(model->writes, 1);

    // Outside a window there is no editing to wait for.
    field->removeFromSuperview();
    field->userType(u"alone");
    EXPECT_EQ(model->valueForKey(u"name"), Value(u"alone"));
}

TEST_F(Bindings, NumberFieldWritesNumbersAndRefusesTheRest) {
    const auto window = shownWindow();
    window->setContentView(std::make_shared<View>());
    const auto field = std::make_shared<TextField>();
    const auto other = std::make_shared<TextField>();
    window->contentView()->addSubview(field);
    window->contentView()->addSubview(other);
    field->setFormatter(std::make_shared<NumberFormatter>(NumberFormatter::Style::Integer));
    const auto model =
        std::make_shared<Model>(std::initializer_list<String>{u"autolocBackgroundInterval"});
    model->setValueForKey(Number::int32(120), u"autolocBackgroundInterval");
    const auto binding = Binding::bind(field, u"value", model, u"autolocBackgroundInterval");
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(field->stringValue(), u"120");
    const int writes = model->writes;

    field->userType(u" 30");
    ASSERT_TRUE(window->makeFirstResponder(other));
    EXPECT_EQ(model->valueForKey(u"autolocBackgroundInterval"), Value(Number::int64(30)));
    EXPECT_EQ(model->writes, writes + 1);
    EXPECT_EQ(field->stringValue(), u"30");

    field->userType(u"3x");
    EXPECT_EQ(field->stringValue(), u"30");
    for (const String junk : {u"", u"-"}) {
        field->userType(u"4");
        field->userType(junk);
        ASSERT_TRUE(window->makeFirstResponder(other));
        EXPECT_EQ(field->stringValue(), u"30") << toUtf8Lossy(junk);
    }
    EXPECT_EQ(model->valueForKey(u"autolocBackgroundInterval"), Value(Number::int64(30)));
    EXPECT_EQ(model->writes, writes + 1);

    // Outside a window each typing ends its editing.
    field->removeFromSuperview();
    field->userType(u"-");
    EXPECT_EQ(field->stringValue(), u"30");
    field->userType(u"45");
    EXPECT_EQ(model->valueForKey(u"autolocBackgroundInterval"), Value(Number::int64(45)));
    EXPECT_EQ(model->writes, writes + 2);
}

TEST_F(Bindings, SwitchThroughAClassNamedTransformerToASetting) {
    const auto radio = std::make_shared<Button>();
    radio->setButtonType(ButtonType::Switch);
    const auto binding = Binding::bind(radio, u"value", controller, u"values.StartupActionTag",
                                       through(u"LWValueIs3"));
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(radio->state(), ControlStateOff);

    store->setInteger(3, u"StartupActionTag");
    EXPECT_EQ(radio->state(), ControlStateOn);
    store->setInteger(65539, u"StartupActionTag"); // low 16 bits are 3
    EXPECT_EQ(radio->state(), ControlStateOn);
    store->setInteger(2, u"StartupActionTag");
    EXPECT_EQ(radio->state(), ControlStateOff);

    radio->userPress();
    EXPECT_EQ(store->objectForKey(u"StartupActionTag"), Value(Number::int32(3)));
    // Off reverses to none: the user's value goes and the default is back.
    radio->userPress();
    EXPECT_EQ(store->objectForKey(u"StartupActionTag"), Value(Number::int32(0)));
}

TEST_F(Bindings, ValueWithoutTransformerToASetting) {
    const auto field = std::make_shared<TextField>();
    const auto binding =
        Binding::bind(field, u"value", controller, u"values.StartupFontFamily", continuous());
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(field->stringValue(), u"Helvetica");
    field->userType(u"Nimbus Sans");
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Nimbus Sans");
    store->removeObjectForKey(u"StartupFontFamily");
    EXPECT_EQ(field->stringValue(), u"Helvetica");
}

TEST_F(Bindings, PopUpWritesOnlyTheUsersChoice) {
    store->setObject(u"Nimbus Sans", u"StartupFontFamily");
    const auto popUp = fontPopUp({u"Helvetica", u"Nimbus Sans"});
    const auto binding =
        Binding::bind(popUp, u"selectedValue", controller, u"values.StartupFontFamily");
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(popUp->titleOfSelectedItem(), u"Nimbus Sans");

    // The program fills the menu anew, which selects its first item, and selects a family
    // that is not installed: the setting stays as the user left it.
    popUp->setMenu(menuOf({u"Courier", u"DejaVu Sans", u"Nimbus Sans"}));
    popUp->selectItemWithTitle(u"Not Installed");
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Nimbus Sans");

    popUp->userSelectItemAtIndex(1);
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"DejaVu Sans");
}

TEST_F(Bindings, ValueTheModelHoldsIsNotWrittenAgain) {
    const auto popUp = fontPopUp({u"Courier", u"Helvetica"});
    const auto binding =
        Binding::bind(popUp, u"selectedValue", controller, u"values.StartupFontFamily");
    ASSERT_NE(binding, nullptr);
    // As at launch: the program selects the item of the setting's own value.
    popUp->selectItemWithTitle(u"Helvetica");
    // Only a registered default stands there still, so a new default shows through.
    store->registerDefaults({{u"StartupFontFamily", u"Registered"}});
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Registered");
}

TEST_F(Bindings, PopUpIndexAndTagBindings) {
    const auto byIndex = fontPopUp({u"New", u"Open later", u"Open now", u"Startup document"});
    const auto byTag = fontPopUp({u"New", u"Startup document"});
    byTag->itemAtIndex(1)->setTag(3);
    const auto index =
        Binding::bind(byIndex, u"selectedIndex", controller, u"values.StartupActionTag");
    const auto tag = Binding::bind(byTag, u"selectedTag", controller, u"values.StartupActionTag");
    ASSERT_TRUE(index && tag);

    byTag->userSelectItemAtIndex(1);
    EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 3);
    EXPECT_EQ(byIndex->indexOfSelectedItem(), 3);
    byIndex->userSelectItemAtIndex(0);
    EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 0);
    EXPECT_EQ(byTag->indexOfSelectedItem(), 0);
}

TEST_F(Bindings, EnabledAndHiddenFollowTheModel) {
    const auto field = std::make_shared<TextField>();
    const auto model = std::make_shared<Model>(std::initializer_list<String>{u"isEncrypted"});
    model->setValueForKey(Number::boolean(false), u"isEncrypted");
    const auto enabled = Binding::bind(field, u"enabled", controller,
                                       u"values.autolocBackgroundInterval", through(u"valueNot0"));
    const auto hidden = Binding::bind(field, u"hidden", model, u"isEncrypted");
    const auto editable = Binding::bind(field, u"editable", model, u"isEncrypted");
    ASSERT_TRUE(enabled && hidden && editable);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_FALSE(field->isHidden());

    store->setInteger(0, u"autolocBackgroundInterval");
    EXPECT_FALSE(field->isEnabled());
    model->setValueForKey(Number::boolean(true), u"isEncrypted");
    EXPECT_TRUE(field->isHidden());
    EXPECT_TRUE(field->isEditable());

    // Shown only: a change made to the view is not written back.
    field->setHidden(false);
    EXPECT_EQ(model->valueForKey(u"isEncrypted"), Value(Number::boolean(true)));
}

TEST_F(Bindings, TransformerThatDoesNotReverseOnlyShows) {
    const auto field = std::make_shared<TextField>();
    const auto binding = Binding::bind(field, u"value", controller, u"values.StartupActionTag",
                                       through(u"valueNot0", true));
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(field->stringValue(), u"0");
    field->userType(u"7");
    EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 0);
}

TEST_F(Bindings, UnknownNamesMakeNoBinding) {
    const auto field = std::make_shared<TextField>();
    EXPECT_EQ(Binding::bind(field, u"value", controller, u"values.StartupActionTag",
                            through(u"NoSuchTransformer")),
              nullptr);
    EXPECT_EQ(Binding::bind(field, u"selectedTag", controller, u"values.StartupActionTag"),
              nullptr);
    EXPECT_EQ(Binding::bind(std::make_shared<View>(), u"enabled", controller, u"values.x"),
              nullptr);
    EXPECT_EQ(Binding::bind(field, u"value", nullptr, u"name"), nullptr);
}

TEST_F(Bindings, EndsQuietlyWhenEitherSideGoes) {
    auto field = std::make_shared<TextField>();
    auto model = std::make_shared<Model>(std::initializer_list<String>{u"name"});
    const auto toModel = Binding::bind(field, u"value", model, u"name", continuous());
    model.reset();
    field->userType(u"nobody listens");

    const auto toField = Binding::bind(field, u"value", controller, u"values.StartupFontFamily");
    field.reset();
    store->setObject(u"Courier", u"StartupFontFamily");

    auto other = std::make_shared<TextField>();
    auto ended =
        Binding::bind(other, u"value", controller, u"values.StartupFontFamily", continuous());
    ended.reset();
    other->userType(u"unbound");
    store->setObject(u"Times", u"StartupFontFamily");
    EXPECT_EQ(other->stringValue(), u"unbound");
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Times");
}

TEST_F(Bindings, KeyPathFollowsAReplacedObjectOnTheWay) {
    const auto document = std::make_shared<Model>(std::initializer_list<String>{u"note"});
    const auto first = std::make_shared<Model>(std::initializer_list<String>{u"text"});
    const auto second = std::make_shared<Model>(std::initializer_list<String>{u"text"});
    first->setValueForKey(u"one", u"text");
    second->setValueForKey(u"two", u"text");
    document->setValueForKey(std::static_pointer_cast<Object>(first), u"note");
    const auto field = std::make_shared<TextField>();
    const auto binding = Binding::bind(field, u"value", document, u"note.text", continuous());
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(field->stringValue(), u"one");

    document->setValueForKey(std::static_pointer_cast<Object>(second), u"note");
    EXPECT_EQ(field->stringValue(), u"two");
    first->setValueForKey(u"old", u"text");
    EXPECT_EQ(field->stringValue(), u"two");
    field->userType(u"edited");
    EXPECT_EQ(second->valueForKey(u"text"), Value(u"edited"));
    EXPECT_EQ(first->valueForKey(u"text"), Value(u"old"));
}

TEST_F(Bindings, ViewMaySupplyItsOwnSide) {
    // As a text view does: its value is made only when an edit is handed over.
    int made = 0;
    Value shown;
    BindableValue::Edited handOver;
    BindableValue side;
    side.get = [&] {
        ++made;
        return Value(dataFromBytes("{\\rtf1 body}"));
    };
    side.set = [&](const Value& value) { shown = value; };
    side.observeEdits = [&](BindableValue::Edited edited) {
        handOver = std::move(edited);
        return Observation(std::make_shared<int>(0));
    };
    const auto model = std::make_shared<Model>(std::initializer_list<String>{u"myTextViewData"});
    model->setValueForKey(dataFromBytes("{\\rtf1 old}"), u"myTextViewData");
    const auto binding = Binding::bind(side, model, u"myTextViewData");
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(shown, Value(dataFromBytes("{\\rtf1 old}")));
    EXPECT_EQ(made, 0);

    handOver();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(model->valueForKey(u"myTextViewData"), Value(dataFromBytes("{\\rtf1 body}")));
}

} // namespace

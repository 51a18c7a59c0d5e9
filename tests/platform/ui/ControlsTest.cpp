#include "UiTest.h"
#include "platform/ui/Button.h"
#include "platform/ui/CustomView.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/NamedColor.h"
#include "platform/ui/NumberFormatter.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"

using namespace platform;
using uitest::RecordingResponder;

namespace {

class ControlsTest : public uitest::UiTest {
protected:
    ControlsTest() {
        window->setContentView(content);
        target->answer(u"submitPasswordToDecrypt:");
        target->answer(u"fontChosen:");
        target->answer(u"itemChosen:");
    }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<View> content = std::make_shared<View>();
    std::shared_ptr<RecordingResponder> target = std::make_shared<RecordingResponder>();
};

TEST_F(ControlsTest, TypingIntoAFieldThenPressingEnterSendsItsAction) {
    auto field = std::make_shared<SecureTextField>();
    content->addSubview(field);
    field->setAction(u"submitPasswordToDecrypt:");
    field->setTarget(target);
    std::vector<Value> seen;
    const auto observation =
        field->addObserver(u"stringValue", [&](const Value& value) { seen.push_back(value); });

    field->userType(u"secret1");
    EXPECT_EQ(field->stringValue(), u"secret1");
    EXPECT_EQ(window->firstResponder(), field) << "typing takes the keyboard focus";
    EXPECT_TRUE(target->calls.empty());
    field->userPressEnter();
    ASSERT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(target->calls[0].sender, field.get());
    EXPECT_EQ(seen, std::vector<Value>{Value(u"secret1")});

    field->setEnabled(false);
    field->userPressEnter();
    field->userType(u"other");
    EXPECT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(field->stringValue(), u"secret1");
}

TEST_F(ControlsTest, LabelTakesNoTyping) {
    auto label = TextField::labelWithString(u"Password:");
    content->addSubview(label);
    label->userType(u"x");
    EXPECT_EQ(label->stringValue(), u"Password:");
    EXPECT_EQ(window->firstResponder(), window);
}

class StickyEditor : public View {
public:
    bool resignFirstResponder() override { return false; }
};

TEST_F(ControlsTest, TypingNeedsTheFocusThatTheFirstResponderGivesUp) {
    auto editor = std::make_shared<StickyEditor>();
    auto field = std::make_shared<TextField>();
    content->addSubview(editor);
    content->addSubview(field);
    ASSERT_TRUE(window->makeFirstResponder(editor));
    field->userType(u"typed");
    EXPECT_EQ(field->stringValue(), u"");
}

TEST_F(ControlsTest, StringValueOfNumbersAndNone) {
    auto field = std::make_shared<TextField>();
    EXPECT_EQ(field->stringValue(), u"");
    field->setObjectValue(Value(Number::int32(12)));
    EXPECT_EQ(field->stringValue(), u"12");
    field->setObjectValue(Value(Number::float32(12.5f)));
    EXPECT_EQ(field->stringValue(), u"12.5");
    field->setValueForKey(Value(u"abc"), u"stringValue");
    EXPECT_EQ(field->objectValue(), Value(u"abc"));
}

TEST_F(ControlsTest, NumberFieldTakesTheUsersNumberWhenEditingEnds) {
    auto field = std::make_shared<TextField>();
    auto other = std::make_shared<TextField>();
    content->addSubview(field);
    content->addSubview(other);
    field->setObjectValue(Value(Number::float32(12.0f)));
    field->setFormatter(std::make_shared<NumberFormatter>(NumberFormatter::Style::Decimal));
    field->setAction(u"itemChosen:");
    field->setTarget(target);
    EXPECT_EQ(field->stringValue(), u"12");
    std::vector<String> shown;
    const auto observation =
        field->stringValueProperty().observe([&] { shown.push_back(field->stringValue()); });

    field->userType(u"014.");
    field->userType(u"014.a");
    EXPECT_EQ(field->stringValue(), u"014.") << "typing that is no number is refused";
    EXPECT_EQ(field->objectValue(), Value(Number::float32(12.0f)));
    field->userPressEnter();
    EXPECT_EQ(field->objectValue(), Value(Number::float64(14.0)));
    EXPECT_EQ(field->objectValue().number()->kind(), Number::Kind::Double);
    EXPECT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(shown, (std::vector<String>{u"014.", u"14"}));

    field->userType(u"-");
    ASSERT_TRUE(window->makeFirstResponder(other));
    EXPECT_EQ(field->stringValue(), u"14") << "a text without a number gives way";
    EXPECT_EQ(field->objectValue(), Value(Number::float64(14.0)));

    // The program's value wins over the user's text.
    field->userType(u"15");
    field->setObjectValue(Value(Number::int32(16)));
    EXPECT_EQ(field->stringValue(), u"16");
    field->setStringValue(u" 17.5 ");
    EXPECT_EQ(field->objectValue(), Value(Number::float64(17.5)));
    field->setStringValue(u"many");
    EXPECT_TRUE(field->objectValue().isNone());
    EXPECT_EQ(field->stringValue(), u"");
}

TEST_F(ControlsTest, ButtonsByType) {
    struct Case {
        ButtonType type;
        std::vector<ControlState> statesAfterPresses;
    };
    const Case cases[] = {
        {ButtonType::MomentaryPushIn, {ControlStateOff, ControlStateOff}},
        {ButtonType::Switch, {ControlStateOn, ControlStateOff}},
        {ButtonType::Radio, {ControlStateOn, ControlStateOn}},
    };
    for (const auto& c : cases) {
        auto button = std::make_shared<Button>();
        button->setButtonType(c.type);
        button->setTitle(u"OK");
        button->setAction(u"itemChosen:");
        std::vector<ControlState> states;
        for (std::size_t press = 0; press < c.statesAfterPresses.size(); ++press) {
            button->userPress();
            states.push_back(button->state());
        }
        EXPECT_EQ(states, c.statesAfterPresses);
    }
    EXPECT_EQ(target->calls.size(), 0u) << "nil-targeted: the target is not in the chain";

    auto disabled = std::make_shared<Button>();
    disabled->setAction(u"itemChosen:");
    disabled->setTarget(target);
    disabled->setEnabled(false);
    disabled->userPress();
    EXPECT_TRUE(target->calls.empty());
}

std::shared_ptr<Menu> fontMenu() {
    auto menu = std::make_shared<Menu>();
    for (const auto* family : {u"Courier", u"Helvetica", u"Times"})
        menu->addItem(std::make_shared<MenuItem>(family, u"", u""));
    return menu;
}

TEST_F(ControlsTest, PopUpSelection) {
    auto popup = std::make_shared<PopUpButton>();
    EXPECT_EQ(popup->indexOfSelectedItem(), -1);
    popup->setMenu(fontMenu());
    EXPECT_EQ(popup->indexOfSelectedItem(), 0);

    popup->selectItemWithTitle(u"Helvetica");
    EXPECT_EQ(popup->indexOfSelectedItem(), 1);
    EXPECT_EQ(popup->titleOfSelectedItem(), u"Helvetica");
    EXPECT_EQ(popup->itemAtIndex(1)->state(), ControlStateOn);
    EXPECT_EQ(popup->itemAtIndex(0)->state(), ControlStateOff);

    popup->selectItemWithTitle(u"Nimbus Sans");
    EXPECT_EQ(popup->selectedItem(), nullptr) << "a title no item has selects nothing";
    EXPECT_EQ(popup->titleOfSelectedItem(), std::nullopt);
    EXPECT_EQ(popup->valueForKey(u"titleOfSelectedItem"), Value());
    EXPECT_EQ(popup->itemAtIndex(1)->state(), ControlStateOff);

    popup->setValueForKey(Value(Number::int64(2)), u"indexOfSelectedItem");
    EXPECT_EQ(popup->titleOfSelectedItem(), u"Times");
}

TEST_F(ControlsTest, UserChoosesInAPopUp) {
    auto popup = std::make_shared<PopUpButton>();
    popup->setMenu(fontMenu());
    popup->setAction(u"fontChosen:");
    popup->setTarget(target);
    popup->userSelectItemAtIndex(2);
    EXPECT_EQ(popup->indexOfSelectedItem(), 2);
    ASSERT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(target->calls[0].action, u"fontChosen:");
    EXPECT_EQ(target->calls[0].sender, popup.get());

    const auto withAction = popup->itemAtIndex(0);
    withAction->setAction(u"itemChosen:");
    withAction->setTarget(target);
    popup->userSelectItemAtIndex(0);
    EXPECT_EQ(target->calls.back().action, u"itemChosen:");
    EXPECT_EQ(target->calls.back().sender, withAction.get());

    popup->userSelectItemAtIndex(7);
    EXPECT_EQ(popup->indexOfSelectedItem(), 0);
    EXPECT_EQ(target->calls.size(), 2u);
}

TEST_F(ControlsTest, TabViewSelection) {
    auto tabs = std::make_shared<TabView>();
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), -1);
    for (const auto* label : {u"General", u"Edit", u"Advanced", u"Update"}) {
        auto item = std::make_shared<TabViewItem>(label);
        item->setLabel(label);
        item->setView(std::make_shared<View>());
        tabs->addTabViewItem(item);
    }
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 0);
    tabs->selectTabViewItemAtIndex(3);
    EXPECT_EQ(tabs->selectedTabViewItem()->label(), u"Update");
    tabs->selectTabViewItemAtIndex(4);
    tabs->selectTabViewItemAtIndex(-1);
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 3);
    tabs->userSelectTabViewItemAtIndex(1);
    EXPECT_EQ(tabs->valueForKey(u"selectedIndex"), Value(Number::int64(1)));
    EXPECT_EQ(tabs->tabViewItemAtIndex(1)->tabView(), tabs);
}

TEST_F(ControlsTest, ProgressIndicatorShowsAndAnimates) {
    auto indicator = std::make_shared<ProgressIndicator>();
    indicator->setHidden(true);
    std::vector<String> changed;
    const auto hidden =
        indicator->addObserver(u"hidden", [&](const Value&) { changed.push_back(u"hidden"); });
    const auto animating = indicator->addObserver(
        u"animating", [&](const Value&) { changed.push_back(u"animating"); });
    indicator->setHidden(false);
    indicator->startAnimation(nullptr);
    EXPECT_TRUE(indicator->isAnimating());
    indicator->stopAnimation(nullptr);
    indicator->setHidden(true);
    EXPECT_FALSE(indicator->isAnimating());
    EXPECT_EQ(changed, (std::vector<String>{u"hidden", u"animating", u"animating", u"hidden"}));
}

TEST_F(ControlsTest, ScrollViewHoldsItsDocumentViewInTheResponderChain) {
    auto scroll = std::make_shared<ScrollView>();
    auto body = std::make_shared<View>();
    content->addSubview(scroll);
    scroll->setDocumentView(body);
    EXPECT_EQ(body->superview(), scroll);
    EXPECT_EQ(body->nextResponder(), scroll);
    EXPECT_EQ(body->window(), window);
    EXPECT_TRUE(window->makeFirstResponder(scroll));
    scroll->setDocumentView(std::make_shared<View>());
    EXPECT_EQ(body->superview(), nullptr);
}

// Paints as a white framed backdrop does: white inside, then a gray outline on top.
class WhiteFramedView : public CustomView {
public:
    using CustomView::CustomView;
    void drawRect(DrawingContext& context, const Rect&) override {
        context.setColor(NamedColor::whiteColor());
        context.fillRect(bounds());
        context.setColor(NamedColor::grayColor());
        context.strokeRect(bounds());
    }
};

TEST_F(ControlsTest, CustomViewDrawingIsRecordedInOrder) {
    WhiteFramedView view(Rect{30, 40, 200, 100});
    const auto drawing = view.displayRect({10, 10, 5, 5});
    const std::vector<DrawingOperation> expected = {
        {DrawingOperation::Kind::Fill, {0, 0, 200, 100}, Color{255, 255, 255}, 0},
        {DrawingOperation::Kind::Stroke, {0, 0, 200, 100}, Color{128, 128, 128}, 1},
    };
    EXPECT_EQ(drawing.operations(), expected);

    CustomView handled(Rect{0, 0, 10, 10});
    handled.setDrawHandler(
        [](DrawingContext& context, const Rect& dirty) { context.fillRect(dirty); });
    EXPECT_EQ(handled.display().operations().at(0).color, Color{}) << "black at first";
}

} // namespace

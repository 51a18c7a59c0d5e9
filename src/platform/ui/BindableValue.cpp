#include "platform/ui/BindableValue.h"

#include "platform/ui/Button.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

#include <functional>
#include <utility>

namespace platform {
namespace {

// Set while the binding shows the model, so that the change it makes is no edit.
struct Showing {
    bool now = false;
};

// Whether a change of the key is an edit to hand over; by default every change is.
using EditFilter = std::function<bool()>;

template <typename V> using Getter = std::function<Value(V&)>;
template <typename V> using Setter = std::function<void(V&, const Value&)>;

// Several registrations kept alive as one observation.
Observation together(std::vector<Observation> observations) {
    return Observation(std::make_shared<std::vector<Observation>>(std::move(observations)));
}

template <typename V>
BindableValue shownOnly(const std::shared_ptr<V>& view, Getter<V> get, Setter<V> set,
                        const std::shared_ptr<Showing>& showing) {
    const std::weak_ptr<V> weak = view;
    BindableValue value;
    value.get = [weak, get] {
        const auto locked = weak.lock();
        return locked ? get(*locked) : Value();
    };
    value.set = [weak, set, showing](const Value& shown) {
        if (const auto locked = weak.lock()) {
            showing->now = true;
            set(*locked, shown);
            showing->now = false;
        }
    };
    return value;
}

BindableValue keyShownOnly(const std::shared_ptr<View>& view, const String& key) {
    return shownOnly<View>(
        view, [key](View& v) { return v.valueForKey(key); },
        [key](View& v, const Value& shown) { v.setValueForKey(shown, key); },
        std::make_shared<Showing>());
}

// `changes` is the view's member function that gives the property the value follows.
template <typename V, typename Changes>
BindableValue edited(const std::shared_ptr<V>& view, Changes changes, Getter<V> get, Setter<V> set,
                     const EditFilter& filter = {}) {
    const auto showing = std::make_shared<Showing>();
    auto value = shownOnly(view, std::move(get), std::move(set), showing);
    const std::weak_ptr<V> weak = view;
    value.observeEdits = [weak, changes, showing, filter](const BindableValue::Edited& onEdit) {
        const auto locked = weak.lock();
        if (!locked)
            return Observation();
        return std::invoke(changes, *locked).observe([showing, filter, onEdit] {
            if (!showing->now && (!filter || filter()))
                onEdit();
        });
    };
    return value;
}

// A field's edit waits while the field is its window's first responder.
class EndOfEditing {
public:
    EndOfEditing(std::weak_ptr<TextField> field, BindableValue::Edited onEdit)
        : field_(std::move(field)), onEdit_(std::move(onEdit)) {}

    void changed() {
        const auto field = field_.lock();
        const auto window = field ? field->window() : nullptr;
        if (!window || window->firstResponder() != field) {
            onEdit_();
            return;
        }
        if (responder_.isActive())
            return;
        const std::weak_ptr<Window> weakWindow = window;
        responder_ = window->firstResponderProperty().observe([this, weakWindow] {
            const auto owner = weakWindow.lock();
            if (owner && owner->firstResponder() == field_.lock())
                return;
            responder_.cancel();
            onEdit_();
        });
    }

private:
    std::weak_ptr<TextField> field_;
    BindableValue::Edited onEdit_;
    Observation responder_;
};

BindableValue textFieldValue(const std::shared_ptr<TextField>& field, bool continuous) {
    auto value = edited<TextField>(
        field, &TextField::objectValueProperty, [](TextField& f) { return f.objectValue(); },
        [](TextField& f, const Value& shown) { f.setObjectValue(shown); });
    if (continuous)
        return value;
    auto changes = std::move(value.observeEdits);
    const std::weak_ptr<TextField> weak = field;
    value.observeEdits = [changes, weak](BindableValue::Edited onEdit) {
        auto ending = std::make_shared<EndOfEditing>(weak, std::move(onEdit));
        auto observation = changes([ending = ending.get()] { ending->changed(); });
        return together({std::move(observation), Observation(ending)});
    };
    return value;
}

BindableValue buttonState(const std::shared_ptr<Button>& button) {
    return edited<Button>(
        button, &Button::stateProperty,
        [](Button& b) {
            const auto state = b.state();
            if (state == ControlStateOn || state == ControlStateOff)
                return Value(Number::boolean(state == ControlStateOn));
            return Value(Number::int64(state));
        },
        [](Button& b, const Value& shown) { b.setState(shown.longValue()); });
}

// A user's choice always selects an item of the present menu.
template <typename Selection>
BindableValue popUpSelection(const std::shared_ptr<PopUpButton>& popUp, Selection selection,
                             Getter<PopUpButton> get, Setter<PopUpButton> set) {
    const auto menuChanged = std::make_shared<bool>(false);
    const std::weak_ptr<PopUpButton> weak = popUp;
    auto value =
        edited<PopUpButton>(popUp, selection, std::move(get), std::move(set), [weak, menuChanged] {
            const bool newMenu = std::exchange(*menuChanged, false);
            const auto locked = weak.lock();
            return !newMenu && locked && locked->selectedItem();
        });
    auto changes = std::move(value.observeEdits);
    value.observeEdits = [changes, weak, menuChanged](BindableValue::Edited onEdit) {
        const auto locked = weak.lock();
        if (!locked)
            return Observation();
        // Setting a menu is told before the selection of its first item that follows.
        auto menu = locked->menuProperty().observe([menuChanged] { *menuChanged = true; });
        return together({std::move(menu), changes(std::move(onEdit))});
    };
    return value;
}

std::shared_ptr<MenuItem> itemWithTag(const PopUpButton& popUp, std::int64_t tag) {
    for (std::int64_t index = 0; index < popUp.numberOfItems(); ++index)
        if (auto item = popUp.itemAtIndex(index); item && item->tag() == tag)
            return item;
    return nullptr;
}

std::optional<BindableValue> popUpValue(const std::shared_ptr<PopUpButton>& popUp,
                                        const String& binding) {
    if (binding == u"selectedIndex")
        return popUpSelection(
            popUp, &PopUpButton::indexOfSelectedItemProperty,
            [](PopUpButton& p) { return Value(Number::int64(p.indexOfSelectedItem())); },
            [](PopUpButton& p, const Value& shown) {
                p.selectItemAtIndex(shown.number() ? shown.longValue() : -1);
            });
    if (binding == u"selectedValue")
        return popUpSelection(
            popUp, &PopUpButton::titleOfSelectedItemProperty,
            [](PopUpButton& p) { return Value(p.titleOfSelectedItem()); },
            [](PopUpButton& p, const Value& shown) {
                if (const auto* title = shown.string())
                    p.selectItemWithTitle(*title);
                else
                    p.selectItemAtIndex(-1);
            });
    if (binding == u"selectedTag")
        return popUpSelection(
            popUp, &PopUpButton::indexOfSelectedItemProperty,
            [](PopUpButton& p) {
                const auto item = p.selectedItem();
                return item ? Value(Number::int64(item->tag())) : Value();
            },
            [](PopUpButton& p, const Value& shown) {
                const auto item = shown.number() ? itemWithTag(p, shown.longValue()) : nullptr;
                if (item)
                    p.selectItem(item);
                else
                    p.selectItemAtIndex(-1);
            });
    return std::nullopt;
}

std::optional<BindableValue> controlValue(const std::shared_ptr<View>& view, const String& binding,
                                          bool continuous) {
    if (const auto popUp = std::dynamic_pointer_cast<PopUpButton>(view))
        return popUpValue(popUp, binding);
    if (binding != u"value")
        return std::nullopt;
    if (const auto field = std::dynamic_pointer_cast<TextField>(view))
        return textFieldValue(field, continuous);
    if (const auto button = std::dynamic_pointer_cast<Button>(view))
        return buttonState(button);
    if (const auto control = std::dynamic_pointer_cast<Control>(view))
        return edited<Control>(
            control, &Control::objectValueProperty, [](Control& c) { return c.objectValue(); },
            [](Control& c, const Value& shown) { c.setObjectValue(shown); });
    return std::nullopt;
}

} // namespace

std::optional<BindableValue> BindableValue::forView(const std::shared_ptr<View>& view,
                                                    const String& binding,
                                                    bool continuouslyUpdatesValue) {
    if (!view)
        return std::nullopt;
    if (binding == u"hidden" || binding == u"toolTip")
        return keyShownOnly(view, binding);
    if (binding == u"enabled")
        return std::dynamic_pointer_cast<Control>(view)
                   ? std::optional(keyShownOnly(view, u"enabled"))
                   : std::nullopt;
    if (binding == u"editable")
        return std::dynamic_pointer_cast<TextField>(view)
                   ? std::optional(keyShownOnly(view, u"editable"))
                   : std::nullopt;
    if (const auto tabs = std::dynamic_pointer_cast<TabView>(view);
        tabs && binding == u"selectedIndex")
        return edited<TabView>(
            tabs, &TabView::selectedIndexProperty,
            [](TabView& t) { return Value(Number::int64(t.indexOfSelectedTabViewItem())); },
            [](TabView& t, const Value& shown) { t.selectTabViewItemAtIndex(shown.longValue()); });
    return controlValue(view, binding, continuouslyUpdatesValue);
}

} // namespace platform

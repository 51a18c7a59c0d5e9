#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {

class View;

// The view's side of a binding: how the bound value is read and shown, and how the view
// tells of the user's edits. A view with a value of its own form (a text view's rich text,
// made only when asked) supplies its own.
struct BindableValue {
    using Edited = std::function<void()>;

    std::function<Value()> get;
    std::function<void(const Value&)> set;
    // Calls `edited` when a change of the value is ready for the model, as long as the
    // observation lives; a change made through `set` is not one. Null for the bindings that
    // only show the model (enabled, hidden, editable).
    std::function<Observation(Edited edited)> observeEdits;

    // The platform's bindings of the standard views, none for a name the view lacks:
    //   "value"          a control's object value (a text field's text), a button's state
    //   "selectedIndex"  a pop-up button's or a tab view's selected index (-1: none)
    //   "selectedValue"  a pop-up button's selected title
    //   "selectedTag"    a pop-up button's selected item's tag
    //   "enabled", "hidden", "editable" (a text field's), shown only.
    // A text field that does not update continuously hands its edit over when it stops
    // being its window's first responder, or at once outside a window.
    //
    // A pop-up button's change to another menu or to no selection is the program's, never
    // the user's. Other changes of a bound control's value count as the user's: the
    // controls do not yet tell the two apart.
    [[nodiscard]] static std::optional<BindableValue> forView(const std::shared_ptr<View>& view,
                                                              const String& binding,
                                                              bool continuouslyUpdatesValue);
};

} // namespace platform

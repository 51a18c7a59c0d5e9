#pragma once

#include "platform/base/ProgrammingError.h"
#include "platform/base/PropertyBase.h"
#include "platform/base/ValueConversion.h"

#include <concepts>
#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace platform {

// A stored value of an object, declared once with its key: the class holds it as a member
// and its setter calls set(), which tells the observers; C++ code observes it through the
// class's read-only handle, key-value coding reaches it by its key.
//
//     Property<String> title_{*this, u"title", {}, KeyAccess::ReadWrite};
//     void setTitle(const String& title) { title_.set(title); }
//     const Property<String>& titleProperty() const { return title_; }
//     ...
//     auto observation = window->titleProperty().observe([&] { show(window->title()); });
//
// A write by key converts the value (ValueConversion; a value of another kind gives T's
// empty value, as a message to none answers), after the validator, when there is one, took
// it. A class whose setter does more than store passes the setter, which writes by key
// then go through.
template <typename T> class Property final : public PropertyBase {
public:
    using Validator = std::function<bool(const Value& proposed)>;

    explicit Property(Object& owner, std::u16string_view key, T initial = T(),
                      KeyAccess access = KeyAccess::ReadOnly, Validator validator = {})
        : PropertyBase(owner, key), value_(std::move(initial)) {
        if (access == KeyAccess::ReadOnly)
            return;
        if constexpr (WritableByKey<T>)
            write_ = [this, validator = std::move(validator)](const Value& value) {
                if (!validator || validator(value))
                    set(converted(value));
            };
        else
            programmingError("a property without a platform value was made writable by key");
    }

    // `setter` is the owner's member function or a callable taking a T.
    template <typename Owner, typename Setter>
    requires WritableByKey<T> &&
        (!std::same_as<Setter, KeyAccess>)Property(Owner& owner, std::u16string_view key, T initial,
                                                   Setter setter, Validator validator = {})
        : PropertyBase(owner, key), value_(std::move(initial)) {
        write_ = [&owner, setter, validator = std::move(validator)](const Value& value) {
            if (validator && !validator(value))
                return;
            if constexpr (std::is_member_function_pointer_v<Setter>)
                (owner.*setter)(converted(value));
            else
                setter(converted(value));
        };
    }

    // Reads see an edit pending on the property.
    [[nodiscard]] const T& get() const {
        commitPendingEdits();
        return value_;
    }

    // Every set tells, the same value again too, as key-value observing does.
    void set(T value) {
        value_ = std::move(value);
        changed();
    }
    // Stores and tells only a value that differs; answers whether it did.
    bool change(T value) {
        if (value_ == value)
            return false;
        set(std::move(value));
        return true;
    }
    // An edit in place (of a list the class keeps), then told.
    template <typename Edit> void modify(Edit&& edit) {
        std::forward<Edit>(edit)(value_);
        changed();
    }

    [[nodiscard]] Value value() const override {
        if constexpr (ReadableByKey<T>)
            return ValueConversion<T>::toValue(get());
        else
            return {};
    }
    void setValue(const Value& value) override {
        if (write_)
            write_(value);
    }

private:
    static T converted(const Value& value) requires WritableByKey<T> {
        return ValueConversion<T>::fromValue(value).value_or(T());
    }

    T value_;
    std::function<void(const Value&)> write_;
};

} // namespace platform

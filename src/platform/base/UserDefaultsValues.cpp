#include "platform/base/UserDefaultsValues.h"

#include <cmath>
#include <set>

namespace platform {
namespace {

// A value read where the initial value says what kind the key holds: one of another kind
// (a text for a size, a number for a family) or a number that is no number (NaN, an
// infinity) is not the key's; it stays in the store until the user sets the key.
bool isOfKind(const Value& value, const Value& initial) {
    if (initial.number())
        return value.number() && std::isfinite(value.number()->doubleValue());
    if (initial.string())
        return value.string() != nullptr;
    if (initial.data())
        return value.data() != nullptr;
    if (initial.date())
        return value.date() != nullptr;
    if (initial.array())
        return value.array() != nullptr;
    if (initial.dictionary())
        return value.dictionary() != nullptr;
    return true;
}

// A control writes a number of its own kind (a switch's state, a field's real): the key
// keeps the kind of its initial value.
Value inKindOf(const Value& value, const Value& initial) {
    const Number* number = value.number();
    const Number* kind = initial.number();
    if (!number || !kind || number->kind() == kind->kind())
        return value;
    switch (kind->kind()) {
    case Number::Kind::Bool:
        return Number::boolean(number->boolValue());
    case Number::Kind::Int32:
        return Number::int32(number->intValue());
    case Number::Kind::Int64:
        return Number::int64(number->longValue());
    case Number::Kind::UInt64:
        return Number::uint64(number->unsignedLongLongValue());
    case Number::Kind::Float:
        return Number::float32(number->floatValue());
    case Number::Kind::Double:
        return Number::float64(number->doubleValue());
    }
    return value;
}

} // namespace

UserDefaultsValues::UserDefaultsValues(std::shared_ptr<UserDefaults> defaults)
    : defaults_(std::move(defaults)),
      storeChanges_(
          defaults_->addChangeObserver([this](const String& key) { didChangeValueForKey(key); })) {}

Value UserDefaultsValues::valueForKey(const String& key) const {
    Value value = defaults_->objectForKey(key);
    Value initial = initialValue(key);
    if (value.isNone() || !isOfKind(value, initial))
        return initial;
    return value;
}

void UserDefaultsValues::setValueForKey(const Value& value, const String& key) {
    defaults_->setObject(inKindOf(value, initialValue(key)), key);
}

Value UserDefaultsValues::initialValue(const String& key) const {
    const auto initial = initialValues_.find(key);
    return initial != initialValues_.end() ? initial->second : Value();
}

void UserDefaultsValues::setInitialValues(const Dictionary& initialValues) {
    auto lookup = [](const Dictionary& values, const String& key) {
        const auto found = values.find(key);
        return found != values.end() ? found->second : Value();
    };
    std::set<String> keys;
    for (const auto& [key, value] : initialValues_)
        keys.insert(key);
    for (const auto& [key, value] : initialValues)
        keys.insert(key);
    std::vector<String> changed;
    for (const String& key : keys)
        if (defaults_->objectForKey(key).isNone() &&
            !(lookup(initialValues_, key) == lookup(initialValues, key)))
            changed.push_back(key);
    initialValues_ = initialValues;
    for (const String& key : changed)
        didChangeValueForKey(key);
}

} // namespace platform

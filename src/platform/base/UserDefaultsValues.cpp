#include "platform/base/UserDefaultsValues.h"

#include <set>

namespace platform {

UserDefaultsValues::UserDefaultsValues(std::shared_ptr<UserDefaults> defaults)
    : defaults_(std::move(defaults)),
      storeChanges_(
          defaults_->addChangeObserver([this](const String& key) { didChangeValueForKey(key); })) {}

Value UserDefaultsValues::valueForKey(const String& key) const {
    Value value = defaults_->objectForKey(key);
    if (!value.isNone())
        return value;
    const auto initial = initialValues_.find(key);
    return initial != initialValues_.end() ? initial->second : Value();
}

void UserDefaultsValues::setValueForKey(const Value& value, const String& key) {
    defaults_->setObject(value, key);
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

#include "platform/base/Object.h"

#include "platform/base/BaseEnvironment.h"
#include "platform/base/PropertyBase.h"

#include <algorithm>

namespace platform {
namespace {

std::pair<String, String> splitFirstKey(const String& keyPath) {
    const auto dot = keyPath.find(u'.');
    if (dot == String::npos)
        return {keyPath, {}};
    return {keyPath.substr(0, dot), keyPath.substr(dot + 1)};
}

void reportUnknownKey(const String& key, const char16_t* use) {
    BaseEnvironment::current().reportFailure(u"the key \u201c" + key + u"\u201d was " + use +
                                             u", but the object has no such key");
}

} // namespace

// Holds the key's characters for the property it is.
class Object::OpenKey final : public PropertyBase {
public:
    OpenKey(Object& owner, std::unique_ptr<const String> key)
        : PropertyBase(owner, *key), key_(std::move(key)) {}

    // The owner answers key-value coding itself.
    [[nodiscard]] Value value() const override { return {}; }
    void setValue(const Value&) override {}

private:
    std::unique_ptr<const String> key_;
};

Object::Object() = default;
Object::~Object() = default;

PropertyBase* Object::property(const String& key) const {
    const auto found = std::ranges::find_if(
        properties_, [&key](const PropertyBase* property) { return property->key() == key; });
    return found == properties_.end() ? nullptr : *found;
}

PropertyBase* Object::observable(const String& key) {
    if (auto* found = property(key))
        return found;
    if (!hasOpenKey(key))
        return nullptr;
    openKeys_.push_back(std::make_unique<OpenKey>(*this, std::make_unique<const String>(key)));
    return openKeys_.back().get();
}

bool Object::hasKey(const String& key) const {
    return property(key) || hasOpenKey(key);
}

Value Object::valueForKey(const String& key) const {
    const auto* found = property(key);
    return found ? found->value() : Value();
}

void Object::setValueForKey(const Value& value, const String& key) {
    if (auto* found = property(key))
        found->setValue(value);
}

Value Object::valueForKeyPath(const String& keyPath) const {
    const auto [first, rest] = splitFirstKey(keyPath);
    Value value = valueForKey(first);
    if (rest.empty())
        return value;
    const auto next = value.object();
    return next ? next->valueForKeyPath(rest) : Value();
}

void Object::setValueForKeyPath(const Value& value, const String& keyPath) {
    const auto [first, rest] = splitFirstKey(keyPath);
    if (rest.empty()) {
        setValueForKey(value, first);
        return;
    }
    if (const auto next = valueForKey(first).object())
        next->setValueForKeyPath(value, rest);
}

Observation Object::addObserver(const String& key, Observer observer) {
    const auto* observed = observable(key);
    if (!observed) {
        reportUnknownKey(key, u"observed");
        return {};
    }
    return observed->observe(
        [this, key, observer = std::move(observer)] { observer(valueForKey(key)); });
}

void Object::didChangeValueForKey(const String& key) {
    if (auto* found = property(key))
        found->changed();
}

Observation Object::addPendingEdit(const String& key, std::function<void()> commit,
                                   std::function<void()> discard) {
    const auto* edited = observable(key);
    if (!edited) {
        reportUnknownKey(key, u"edited");
        return {};
    }
    return edited->addPendingEdit(std::move(commit), std::move(discard));
}

void Object::commitPendingEdits(const String& key) const {
    if (const auto* found = property(key))
        found->commitPendingEdits();
}

} // namespace platform

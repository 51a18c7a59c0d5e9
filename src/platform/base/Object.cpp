#include "platform/base/Object.h"

#include <algorithm>

namespace platform {
namespace {

std::pair<String, String> splitFirstKey(const String& keyPath) {
    const auto dot = keyPath.find(u'.');
    if (dot == String::npos)
        return {keyPath, {}};
    return {keyPath.substr(0, dot), keyPath.substr(dot + 1)};
}

} // namespace

void Object::exposeKey(const String& key, Getter getter, Setter setter) {
    keys_[key] = {std::move(getter), std::move(setter)};
}

Value Object::valueForKey(const String& key) const {
    commitPendingEdits(key);
    const auto found = keys_.find(key);
    if (found == keys_.end() || !found->second.getter)
        return {};
    return found->second.getter();
}

void Object::setValueForKey(const Value& value, const String& key) {
    const auto found = keys_.find(key);
    if (found != keys_.end() && found->second.setter)
        found->second.setter(value);
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
    auto registration = std::make_shared<Observer>(std::move(observer));
    auto& list = observers_[key];
    std::erase_if(list, [](const auto& weak) { return weak.expired(); });
    list.push_back(registration);
    return Observation(registration);
}

void Object::didChangeValueForKey(const String& key) {
    for (const auto& edit : livePendingEdits(key))
        edit->discard();
    const auto found = observers_.find(key);
    if (found == observers_.end())
        return;
    // Observers may add or cancel observations while they are told: tell a snapshot.
    std::vector<std::shared_ptr<Observer>> live;
    for (const auto& weak : found->second)
        if (auto observer = weak.lock())
            live.push_back(std::move(observer));
    if (live.empty())
        return;
    const Value current = valueForKey(key);
    for (const auto& observer : live)
        (*observer)(current);
}

Observation Object::addPendingEdit(const String& key, std::function<void()> commit,
                                   std::function<void()> discard) {
    auto registration =
        std::make_shared<PendingEdit>(PendingEdit{std::move(commit), std::move(discard)});
    auto& list = pendingEdits_[key];
    std::erase_if(list, [](const auto& weak) { return weak.expired(); });
    list.push_back(registration);
    return Observation(registration);
}

void Object::commitPendingEdits(const String& key) const {
    for (const auto& edit : livePendingEdits(key))
        edit->commit();
}

// A snapshot, since committing writes the key and may add or cancel registrations.
std::vector<std::shared_ptr<Object::PendingEdit>>
Object::livePendingEdits(const String& key) const {
    std::vector<std::shared_ptr<PendingEdit>> live;
    const auto found = pendingEdits_.find(key);
    if (found == pendingEdits_.end())
        return live;
    for (const auto& weak : found->second)
        if (auto edit = weak.lock())
            live.push_back(std::move(edit));
    return live;
}

} // namespace platform

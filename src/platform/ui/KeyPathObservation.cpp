#include "platform/ui/KeyPathObservation.h"

namespace platform {
namespace {

std::vector<String> splitKeyPath(const String& keyPath) {
    std::vector<String> keys;
    std::size_t start = 0;
    for (;;) {
        const auto dot = keyPath.find(u'.', start);
        keys.push_back(keyPath.substr(start, dot - start));
        if (dot == String::npos)
            return keys;
        start = dot + 1;
    }
}

} // namespace

KeyPathObservation::KeyPathObservation(const std::shared_ptr<Object>& root, const String& keyPath,
                                       std::function<void()> changed)
    : keys_(splitKeyPath(keyPath)), changed_(std::move(changed)), observations_(keys_.size()) {
    observeFrom(0, root);
}

void KeyPathObservation::observeFrom(std::size_t index, const std::shared_ptr<Object>& object) {
    for (std::size_t key = index; key < keys_.size(); ++key)
        observations_[key].cancel();
    auto current = object;
    for (std::size_t key = index; key < keys_.size() && current; ++key) {
        const std::weak_ptr<Object> owner = current;
        observations_[key] = current->addObserver(keys_[key], [this, key, owner](const Value&) {
            if (key + 1 < keys_.size())
                if (const auto locked = owner.lock())
                    observeFrom(key + 1, locked->valueForKey(keys_[key]).object());
            changed_();
        });
        current = current->valueForKey(keys_[key]).object();
    }
}

} // namespace platform

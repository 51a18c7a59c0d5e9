#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

// The root of the platform's reference-counted objects, with key-value coding and
// observing: a class exposes its properties under their key strings ("isEncrypted"),
// bindings read and write them by key, and observers are told of every change.
//
// A property's setter notifies its observers (didChangeValueForKey), so a change made
// through the C++ setter and one made through setValueForKey are seen alike.
class Object : public std::enable_shared_from_this<Object> {
public:
    using Getter = std::function<Value()>;
    using Setter = std::function<void(const Value&)>;
    using Observer = std::function<void(const Value& newValue)>;

    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // An unknown key gives none; setting an unknown or read-only key does nothing.
    virtual Value valueForKey(const String& key) const;
    virtual void setValueForKey(const Value& value, const String& key);

    // Dotted paths ("values.StartupActionTag") walk through object values.
    Value valueForKeyPath(const String& keyPath) const;
    void setValueForKeyPath(const Value& value, const String& keyPath);

    // The observer lives as long as the returned observation.
    [[nodiscard]] Observation addObserver(const String& key, Observer observer);

    // Tells the key's observers its current value.
    void didChangeValueForKey(const String& key);

    virtual bool isEqual(const Object& other) const { return this == &other; }

protected:
    void exposeKey(const String& key, Getter getter, Setter setter = {});

private:
    struct Accessors {
        Getter getter;
        Setter setter;
    };
    using ObserverList = std::vector<std::weak_ptr<Observer>>;

    std::map<String, Accessors> keys_;
    std::map<String, ObserverList> observers_;
};

} // namespace platform

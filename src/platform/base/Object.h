#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class PropertyBase;

// The root of the platform's reference-counted objects, with key-value coding and
// observing. A class declares its keys as members, Property (a stored value) and
// ComputedProperty (one it computes), each with its key string ("isEncrypted"); C++ code
// observes those members through the class's handles, while bindings and key paths read,
// write and observe them by key through this class.
//
// An object of open keys (the settings, which take any key) answers hasOpenKey,
// valueForKey and setValueForKey itself and tells its observers with didChangeValueForKey.
class Object : public std::enable_shared_from_this<Object> {
public:
    using Observer = std::function<void(const Value& newValue)>;

    Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // An unknown key gives none; setting an unknown or read-only key does nothing.
    virtual Value valueForKey(const String& key) const;
    virtual void setValueForKey(const Value& value, const String& key);

    // Dotted paths ("values.StartupActionTag") walk through object values.
    Value valueForKeyPath(const String& keyPath) const;
    void setValueForKeyPath(const Value& value, const String& keyPath);

    // A declared key, or an open one.
    [[nodiscard]] bool hasKey(const String& key) const;

    // By key, for bindings and key paths; the observer lives as long as the returned
    // observation and is given valueForKey(key). Observing a key the object lacks is a
    // fault of the program: it is reported (BaseEnvironment::reportFailure), and nobody is
    // told.
    [[nodiscard]] Observation addObserver(const String& key, Observer observer);

    // An edit of the key that a view holds and hands over only when asked (a text view
    // serialises its body on demand, not per keystroke). While the returned observation
    // lives, every read of the key (through valueForKey or the property's get) first calls
    // `commit`, so that no reader misses the last edit, and every change of the key first
    // calls `discard`: the key's new value wins over an edit not yet handed over. An
    // unknown key is reported as addObserver reports it.
    [[nodiscard]] Observation addPendingEdit(const String& key, std::function<void()> commit,
                                             std::function<void()> discard);
    // What valueForKey does first.
    void commitPendingEdits(const String& key) const;

    virtual bool isEqual(const Object& other) const { return this == &other; }

protected:
    // The keys an object of open keys takes besides its properties.
    [[nodiscard]] virtual bool hasOpenKey(const String& key) const {
        (void)key;
        return false;
    }
    // Tells the observers of an open key.
    void didChangeValueForKey(const String& key);

private:
    friend class PropertyBase;
    class OpenKey;

    [[nodiscard]] PropertyBase* property(const String& key) const;
    // The key's property; for an open key, one made for it on first use.
    [[nodiscard]] PropertyBase* observable(const String& key);

    std::vector<PropertyBase*> properties_; // the declared ones and the open keys
    std::vector<std::unique_ptr<OpenKey>> openKeys_;
};

} // namespace platform

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

    // An edit of the key that a view holds and hands over only when asked (a text view
    // serialises its body on demand, not per keystroke). While the returned observation
    // lives, every read of the key through valueForKey first calls `commit`, so that no
    // reader misses the last edit, and every change of the key first calls `discard`: the
    // key's new value wins over an edit not yet handed over.
    [[nodiscard]] Observation addPendingEdit(const String& key, std::function<void()> commit,
                                             std::function<void()> discard);
    // What valueForKey does first. A property's getter that reads its member directly calls
    // it too, so that a read in C++ sees the edit as well.
    void commitPendingEdits(const String& key) const;

    virtual bool isEqual(const Object& other) const { return this == &other; }

protected:
    void exposeKey(const String& key, Getter getter, Setter setter = {});

private:
    struct Accessors {
        Getter getter;
        Setter setter;
    };
    struct PendingEdit {
        std::function<void()> commit;
        std::function<void()> discard;
    };
    using ObserverList = std::vector<std::weak_ptr<Observer>>;
    using PendingEditList = std::vector<std::weak_ptr<PendingEdit>>;

    [[nodiscard]] std::vector<std::shared_ptr<PendingEdit>>
    livePendingEdits(const String& key) const;

    std::map<String, Accessors> keys_;
    std::map<String, ObserverList> observers_;
    std::map<String, PendingEditList> pendingEdits_;
};

} // namespace platform

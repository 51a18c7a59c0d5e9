#pragma once

#include "platform/base/Listeners.h"
#include "platform/base/Observation.h"
#include "platform/base/Value.h"

#include <functional>
#include <string_view>
#include <vector>

namespace platform {

class Object;

// Whether key-value coding may write a property; it may always read it.
enum class KeyAccess { ReadOnly, ReadWrite };

// What every property of an object has, whatever its type: its key, under which it is
// registered with its owner for key-value coding, its observers, the edits pending on it
// (see Object::addPendingEdit) and the computed properties that follow it. The typed
// forms are Property and ComputedProperty.
class PropertyBase {
public:
    PropertyBase(const PropertyBase&) = delete;
    PropertyBase& operator=(const PropertyBase&) = delete;

    // A literal, or characters that outlive the property.
    [[nodiscard]] std::u16string_view key() const { return key_; }

    // Told after every change as long as the observation lives; observers read the new
    // value themselves. Observers may observe or cancel while they are told.
    [[nodiscard]] Observation observe(std::function<void()> changed) const {
        return observers_.add(std::move(changed));
    }

    // Key-value coding. Reading gives none for a type without a platform value; a write
    // that the property does not take is ignored.
    [[nodiscard]] virtual Value value() const = 0;
    virtual void setValue(const Value& value) = 0;

    // While the observation lives, every read of the property first calls `commit`, and
    // every change first calls `discard`: the new value wins over an edit not handed over.
    [[nodiscard]] Observation addPendingEdit(std::function<void()> commit,
                                             std::function<void()> discard) const;
    void commitPendingEdits() const { commits_.tell(); }

    // The dependent is told of each change too, after this property's own observers.
    void addDependent(PropertyBase& dependent) { dependents_.push_back(&dependent); }

    // Tells of a change: drops the pending edits, then tells the observers and the
    // dependents. Setters call it; a computed property's class calls it when an input changed.
    void changed();

protected:
    PropertyBase(Object& owner, std::u16string_view key);
    virtual ~PropertyBase();

private:
    Object& owner_;
    std::u16string_view key_;
    mutable Listeners<> observers_;
    mutable Listeners<> commits_;
    mutable Listeners<> discards_;
    std::vector<PropertyBase*> dependents_;
};

} // namespace platform

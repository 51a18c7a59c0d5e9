#pragma once

#include "platform/base/Object.h"
#include "platform/base/UserDefaults.h"

#include <memory>

namespace platform {

// The values of a user-defaults controller by key: the store's value (the user's, else the
// registered default), else the controller's initial value. Setting a key writes it to the
// store. Observers of a key hear of every change of it, made here or on the store.
//
// Where a key has an initial value, that value gives the key's kind: a stored value of
// another kind reads as the initial value, and a number written is kept in the initial
// value's kind of number.
class UserDefaultsValues : public Object {
public:
    explicit UserDefaultsValues(std::shared_ptr<UserDefaults> defaults);

    Value valueForKey(const String& key) const override;
    void setValueForKey(const Value& value, const String& key) override;

    const Dictionary& initialValues() const { return initialValues_; }
    void setInitialValues(const Dictionary& initialValues);

protected:
    [[nodiscard]] bool hasOpenKey(const String&) const override { return true; }

private:
    [[nodiscard]] Value initialValue(const String& key) const;

    std::shared_ptr<UserDefaults> defaults_;
    Dictionary initialValues_;
    Observation storeChanges_;
};

} // namespace platform

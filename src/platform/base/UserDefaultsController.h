#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsValues.h"

#include <memory>

namespace platform {

// The controller that bindings use to reach the settings: "values.<key>" reads and writes
// a setting, and an observer of a key of values() follows it.
class UserDefaultsController : public Object {
public:
    // The controller of the standard store, of the program's environment (BaseEnvironment).
    static std::shared_ptr<UserDefaultsController> sharedUserDefaultsController();

    explicit UserDefaultsController(std::shared_ptr<UserDefaults> defaults);

    // The values shown for keys that the store holds no value for.
    void setInitialValues(const Dictionary& initialValues);
    const Dictionary& initialValues() const;

    std::shared_ptr<Object> values() const { return values_.get(); }

private:
    Property<std::shared_ptr<UserDefaultsValues>> values_;
};

} // namespace platform

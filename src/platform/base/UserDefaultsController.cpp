#include "platform/base/UserDefaultsController.h"

#include "platform/base/BaseEnvironment.h"

namespace platform {

std::shared_ptr<UserDefaultsController> UserDefaultsController::sharedUserDefaultsController() {
    return BaseEnvironment::current().userDefaultsController.get([] {
        return std::make_shared<UserDefaultsController>(UserDefaults::standardUserDefaults());
    });
}

UserDefaultsController::UserDefaultsController(std::shared_ptr<UserDefaults> defaults)
    : values_(*this, u"values", std::make_shared<UserDefaultsValues>(std::move(defaults))) {}

void UserDefaultsController::setInitialValues(const Dictionary& initialValues) {
    values_.get()->setInitialValues(initialValues);
}

const Dictionary& UserDefaultsController::initialValues() const {
    return values_.get()->initialValues();
}

} // namespace platform

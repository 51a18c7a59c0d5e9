#include "platform/base/UserDefaultsController.h"

namespace platform {

std::shared_ptr<UserDefaultsController> UserDefaultsController::sharedUserDefaultsController() {
    static const auto shared =
        std::make_shared<UserDefaultsController>(UserDefaults::standardUserDefaults());
    return shared;
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

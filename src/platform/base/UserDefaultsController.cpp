#include "platform/base/UserDefaultsController.h"

namespace platform {

std::shared_ptr<UserDefaultsController> UserDefaultsController::sharedUserDefaultsController() {
    static const auto shared =
        std::make_shared<UserDefaultsController>(UserDefaults::standardUserDefaults());
    return shared;
}

UserDefaultsController::UserDefaultsController(std::shared_ptr<UserDefaults> defaults)
    : values_(std::make_shared<UserDefaultsValues>(std::move(defaults))) {
    exposeKey(u"values", [this] { return Value(std::static_pointer_cast<Object>(values_)); });
}

void UserDefaultsController::setInitialValues(const Dictionary& initialValues) {
    values_->setInitialValues(initialValues);
}

const Dictionary& UserDefaultsController::initialValues() const {
    return values_->initialValues();
}

} // namespace platform

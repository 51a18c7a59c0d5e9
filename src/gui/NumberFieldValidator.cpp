#include "gui/NumberFieldValidator.h"

#include "gui/QtString.h"
#include "platform/ui/NumberFormatter.h"

namespace gui {

NumberFieldValidator::NumberFieldValidator(std::shared_ptr<platform::NumberFormatter> formatter,
                                           QObject* parent)
    : QValidator(parent), formatter_(std::move(formatter)) {}

QValidator::State NumberFieldValidator::validate(QString& input, int& /*position*/) const {
    return formatter_->isPartialStringValid(fromQString(input)) ? Acceptable : Invalid;
}

} // namespace gui

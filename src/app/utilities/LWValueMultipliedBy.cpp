#include "app/utilities/LWValueMultipliedBy.h"

using platform::Number;
using platform::Value;

Value LWValueMultipliedBy::transformedValue(const Value& value) const {
    const auto* number = value.number();
    if (!number)
        return {};
    const float factor = myRefValue_ ? myRefValue_->floatValue() : 0.0f;
    return Number::float32(number->floatValue() * factor);
}

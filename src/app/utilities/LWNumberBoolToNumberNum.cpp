#include "app/utilities/LWNumberBoolToNumberNum.h"

using platform::Number;
using platform::Value;

Value LWNumberBoolToNumberNum::transformedValue(const Value& value) const {
    return Number::int32(value.boolValue() ? 1 : 0);
}

Value LWNumberBoolToNumberNum::reverseTransformedValue(const Value& value) const {
    return Number::boolean(value.longValue() != 0);
}

#include "app/utilities/LWNegateIntToBool.h"

using platform::Number;
using platform::Value;

Value LWNegateIntToBool::transformedValue(const Value& value) const {
    return Number::boolean(value.intValue() == 0);
}

Value LWNegateIntToBool::reverseTransformedValue(const Value& value) const {
    return Number::int32(value.boolValue() ? 0 : 1);
}

#include "app/utilities/LWIntToBool.h"

using platform::Number;
using platform::Value;

Value LWIntToBool::transformedValue(const Value& value) const {
    return Number::boolean(value.intValue() != 0);
}

Value LWIntToBool::reverseTransformedValue(const Value& value) const {
    return Number::int32(value.boolValue() ? 1 : 0);
}

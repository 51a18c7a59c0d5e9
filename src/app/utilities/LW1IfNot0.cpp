#include "app/utilities/LW1IfNot0.h"

using platform::Number;
using platform::Value;

Value LW1IfNot0::transformedValue(const Value& value) const {
    return Number::int32(value.intValue() != 0 ? 1 : 0);
}

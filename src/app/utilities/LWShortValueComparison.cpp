#include "app/utilities/LWShortValueComparison.h"

using platform::Number;
using platform::Value;

Value LWShortValueComparison::transformedValue(const Value& value) const {
    const auto* number = value.number();
    if (!number)
        return {};
    return Number::int32(matches(number->shortValue()) ? 1 : 0);
}

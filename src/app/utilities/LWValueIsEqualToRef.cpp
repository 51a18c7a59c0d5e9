#include "app/utilities/LWValueIsEqualToRef.h"

using platform::Number;
using platform::Value;

Value LWValueIsEqualToRef::reverseTransformedValue(const Value& value) const {
    if (!value.boolValue())
        return {};
    return Number::int32(myRefValue());
}

bool LWValueIsEqualToRef::matches(std::int32_t input) const {
    return input == myRefValue();
}

#include "app/utilities/LWOneIfOneInArray.h"

using platform::Array;
using platform::Number;
using platform::Value;

Value LWOneIfOneInArray::transformedValue(const Value& value) const {
    const auto* elements = value.array();
    return Number::int32(elements && elements->size() > 1 ? 1 : 0);
}

Value LWOneIfOneInArray::reverseTransformedValue(const Value&) const {
    return Array{};
}

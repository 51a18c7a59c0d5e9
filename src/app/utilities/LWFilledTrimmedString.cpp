#include "app/utilities/LWFilledTrimmedString.h"

#include "app/utilities/LWEmptyTrimmedString.h"

using platform::Number;
using platform::Value;

Value LWFilledTrimmedString::transformedValue(const Value& value) const {
    return Number::boolean(!LWEmptyTrimmedString::isEmptyWhenTrimmed(value));
}

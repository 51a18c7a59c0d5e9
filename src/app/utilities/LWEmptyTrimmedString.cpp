#include "app/utilities/LWEmptyTrimmedString.h"

using platform::Number;
using platform::String;
using platform::Value;

bool LWEmptyTrimmedString::isEmptyWhenTrimmed(const Value& value) {
    const auto* text = value.string();
    return !text || text->find_first_not_of(u' ') == String::npos;
}

Value LWEmptyTrimmedString::transformedValue(const Value& value) const {
    return Number::boolean(isEmptyWhenTrimmed(value));
}

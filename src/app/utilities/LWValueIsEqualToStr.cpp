#include "app/utilities/LWValueIsEqualToStr.h"

using platform::Number;
using platform::Value;

Value LWValueIsEqualToStr::transformedValue(const Value& value) const {
    const auto* text = value.string();
    if (!text)
        return {};
    return Number::boolean(myRefString_ && *text == *myRefString_);
}

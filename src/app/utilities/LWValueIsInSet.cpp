#include "app/utilities/LWValueIsInSet.h"

using platform::Number;
using platform::Value;

Value LWValueIsInSet::transformedValue(const Value& value) const {
    if (value.isNone())
        return {};
    return Number::boolean(myRefSet_ && myRefSet_->contains(value));
}

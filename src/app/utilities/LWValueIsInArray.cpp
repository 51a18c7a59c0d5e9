#include "app/utilities/LWValueIsInArray.h"

#include <algorithm>

using platform::Number;
using platform::Value;

Value LWValueIsInArray::transformedValue(const Value& value) const {
    if (value.isNone())
        return {};
    return Number::boolean(myRefArray_ && std::find(myRefArray_->begin(), myRefArray_->end(),
                                                    value) != myRefArray_->end());
}

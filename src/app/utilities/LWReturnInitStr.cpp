#include "app/utilities/LWReturnInitStr.h"

using platform::Value;

Value LWReturnInitStr::transformedValue(const Value&) const {
    return Value(myRefString_);
}

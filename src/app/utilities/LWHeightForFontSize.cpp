#include "app/utilities/LWHeightForFontSize.h"

#include <cmath>
#include <cstdint>
#include <limits>

using platform::Number;
using platform::Value;

Value LWHeightForFontSize::transformedValue(const Value& value) const {
    const auto* size = value.number();
    if (!size)
        return {};
    // Each step rounds to single precision on its own.
    const float product = size->floatValue() * 1.4f;
    const float height = product + 2.0f;
    // A cast of NaN or of a height beyond the 32-bit range is undefined.
    if (std::isnan(height))
        return {};
    if (height >= 2147483648.0f)
        return Number::int32(std::numeric_limits<std::int32_t>::max());
    if (height <= -2147483648.0f)
        return Number::int32(std::numeric_limits<std::int32_t>::min());
    return Number::int32(static_cast<std::int32_t>(height));
}

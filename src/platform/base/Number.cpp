#include "platform/base/Number.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

// Truncation toward zero that stays defined for every double: NaN gives 0 and values
// beyond the range saturate.
std::int64_t truncateToInt64(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

} // namespace

Number::Number(Kind kind, std::int64_t integer, double real)
    : kind_(kind), integer_(integer), real_(real) {}

Number Number::boolean(bool value) {
    return {Kind::Bool, value ? 1 : 0, 0};
}
Number Number::int32(std::int32_t value) {
    return {Kind::Int32, value, 0};
}
Number Number::int64(std::int64_t value) {
    return {Kind::Int64, value, 0};
}
Number Number::uint64(std::uint64_t value) {
    return {Kind::UInt64, static_cast<std::int64_t>(value), 0};
}
Number Number::float32(float value) {
    return {Kind::Float, 0, value};
}
Number Number::float64(double value) {
    return {Kind::Double, 0, value};
}

bool Number::boolValue() const {
    return isInteger() ? integer_ != 0 : real_ != 0.0;
}

std::int64_t Number::longValue() const {
    return isInteger() ? integer_ : truncateToInt64(real_);
}

std::int32_t Number::intValue() const {
    return static_cast<std::int32_t>(longValue());
}

std::int16_t Number::shortValue() const {
    return static_cast<std::int16_t>(longValue());
}

std::uint64_t Number::unsignedLongLongValue() const {
    return static_cast<std::uint64_t>(longValue());
}

double Number::doubleValue() const {
    switch (kind_) {
    case Kind::UInt64:
        return static_cast<double>(static_cast<std::uint64_t>(integer_));
    case Kind::Float:
    case Kind::Double:
        return real_;
    default:
        return static_cast<double>(integer_);
    }
}

float Number::floatValue() const {
    return static_cast<float>(doubleValue());
}

bool Number::operator==(const Number& other) const {
    if (isInteger() && other.isInteger()) {
        const bool negative = kind_ != Kind::UInt64 && integer_ < 0;
        const bool otherNegative = other.kind_ != Kind::UInt64 && other.integer_ < 0;
        return negative == otherNegative && integer_ == other.integer_;
    }
    return doubleValue() == other.doubleValue();
}

} // namespace platform

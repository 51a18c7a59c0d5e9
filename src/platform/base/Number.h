#pragma once

#include <cstdint>

namespace platform {

// A number object that keeps its kind, so that files and settings store it as it was
// made. The accessors convert as the platform's number class does: an integer keeps the
// low bits of the narrower type, a floating value is truncated toward zero.
class Number {
public:
    enum class Kind { Bool, Int32, Int64, UInt64, Float, Double };

    static Number boolean(bool value);
    static Number int32(std::int32_t value);
    static Number int64(std::int64_t value);
    static Number uint64(std::uint64_t value);
    static Number float32(float value);
    static Number float64(double value);

    Kind kind() const { return kind_; }
    bool isInteger() const { return kind_ != Kind::Float && kind_ != Kind::Double; }

    bool boolValue() const;
    std::int16_t shortValue() const;
    std::int32_t intValue() const;
    std::int64_t longValue() const;
    std::uint64_t unsignedLongLongValue() const;
    float floatValue() const;
    double doubleValue() const;

    // Numeric equality across kinds, as the platform's isEqualToNumber: compares.
    bool operator==(const Number& other) const;

private:
    Number(Kind kind, std::int64_t integer, double real);

    Kind kind_;
    std::int64_t integer_; // the bits of every integer kind, UInt64 included
    double real_;          // Float and Double
};

} // namespace platform

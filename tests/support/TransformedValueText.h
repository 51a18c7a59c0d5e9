#pragma once

#include "platform/base/Value.h"

#include <limits>
#include <sstream>
#include <string>

// A transformed value as a table of cases states it, the kind of a number included:
// "none", "bool YES", "int 3", "float 0.5", "string \"a\"", "array of 0". Floats are written
// with every digit that tells two floats apart.
inline std::string transformedValueText(const platform::Value& value) {
    using Kind = platform::Number::Kind;
    std::ostringstream text;
    text.precision(std::numeric_limits<float>::max_digits10);
    if (value.isNone()) {
        text << "none";
    } else if (const auto* number = value.number()) {
        switch (number->kind()) {
        case Kind::Bool:
            text << "bool " << (number->boolValue() ? "YES" : "NO");
            break;
        case Kind::Int32:
            text << "int " << number->intValue();
            break;
        case Kind::Float:
            text << "float " << number->floatValue();
            break;
        default:
            text << "other number " << number->doubleValue();
            break;
        }
    } else if (const auto* string = value.string()) {
        text << "string \"" << platform::toUtf8Lossy(*string) << "\"";
    } else if (const auto* array = value.array()) {
        text << "array of " << array->size();
    } else {
        text << "other value";
    }
    return text.str();
}

#pragma once

#include "platform/ui/ValueTransformer.h"
#include "support/TransformedValueText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>

struct TransformerCase {
    const char* name;
    platform::Value input;
    const char* expected;
};

inline platform::Value int32Number(std::int32_t value) {
    return platform::Number::int32(value);
}
inline platform::Value int64Number(std::int64_t value) {
    return platform::Number::int64(value);
}
inline platform::Value boolNumber(bool value) {
    return platform::Number::boolean(value);
}
inline platform::Value floatNumber(float value) {
    return platform::Number::float32(value);
}
inline platform::Value doubleNumber(double value) {
    return platform::Number::float64(value);
}

inline void expectForward(const platform::ValueTransformer& transformer,
                          std::initializer_list<TransformerCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(transformedValueText(transformer.transformedValue(c.input)), c.expected)
            << "input " << c.name;
}

inline void expectReverse(const platform::ValueTransformer& transformer,
                          std::initializer_list<TransformerCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(transformedValueText(transformer.reverseTransformedValue(c.input)), c.expected)
            << "input " << c.name;
}

#pragma once

#include "platform/ui/ValueTransformer.h"

// The integer 1 when an array holds more than one element, else 0. Written back, anything
// gives an empty array.
class LWOneIfOneInArray : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] platform::Value
    reverseTransformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
};

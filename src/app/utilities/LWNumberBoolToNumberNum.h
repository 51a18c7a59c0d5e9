#pragma once

#include "platform/ui/ValueTransformer.h"

// A boolean as the integer 1 or 0; written back, an integer as a boolean.
class LWNumberBoolToNumberNum : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] platform::Value
    reverseTransformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
};

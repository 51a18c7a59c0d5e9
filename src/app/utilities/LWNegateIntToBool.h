#pragma once

#include "platform/ui/ValueTransformer.h"

// An integer as a boolean: on when it is 0. Written back, on gives 0 and off gives 1.
class LWNegateIntToBool : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] platform::Value
    reverseTransformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
};

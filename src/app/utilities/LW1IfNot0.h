#pragma once

#include "platform/ui/ValueTransformer.h"

// The integer 1 when the input is not 0, else 0.
class LW1IfNot0 : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
};

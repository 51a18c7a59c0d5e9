#pragma once

#include "platform/ui/ValueTransformer.h"

// YES for NO or none, NO for YES: a view shown while a flag is off hides while it is on.
class NegateBooleanTransformer : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
};

#pragma once

#include "platform/ui/ValueTransformer.h"

// A boolean: the input string holds more than spaces; the opposite of LWEmptyTrimmedString.
class LWFilledTrimmedString : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
};

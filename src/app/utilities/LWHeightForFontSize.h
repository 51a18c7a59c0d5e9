#pragma once

#include "platform/ui/ValueTransformer.h"

// The height of a line for a font size: the size times 1.4 plus 2, truncated toward zero to
// an integer number. Single precision throughout, on which 10 gives 16 and 13 gives 20.
class LWHeightForFontSize : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }
};

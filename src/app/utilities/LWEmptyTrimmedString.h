#pragma once

#include "platform/ui/ValueTransformer.h"

// A boolean: the input string holds nothing but spaces (U+0020 only; a tab or a line break
// is content). An input that is no string counts as empty.
class LWEmptyTrimmedString : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

    [[nodiscard]] static bool isEmptyWhenTrimmed(const platform::Value& value);
};

#pragma once

#include "platform/ui/ValueTransformer.h"

#include <cstdint>

// Compares a bound number with a fixed reference. Only the input's low 16 bits count, read
// as a signed number and widened to 32 bits; the answer is the integer 1 or 0, and an input
// that is no number gives none.
class LWShortValueComparison : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

    [[nodiscard]] std::int32_t myRefValue() const { return myRefValue_; }

protected:
    explicit LWShortValueComparison(std::int32_t value) : myRefValue_(value) {}

    [[nodiscard]] virtual bool matches(std::int32_t input) const = 0;

private:
    std::int32_t myRefValue_;
};

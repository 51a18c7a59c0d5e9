#pragma once

#include "platform/ui/ValueTransformer.h"

#include <optional>

// A float number: the input times the reference, in single precision. Without a reference
// the factor is 0.
class LWValueMultipliedBy : public platform::ValueTransformer {
public:
    LWValueMultipliedBy() = default;
    explicit LWValueMultipliedBy(platform::Number value) : myRefValue_(value) {}

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

private:
    std::optional<platform::Number> myRefValue_;
};

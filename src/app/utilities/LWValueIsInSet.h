#pragma once

#include "platform/ui/ValueTransformer.h"

#include <optional>

// A boolean: the reference set holds a member equal to the input. Without a reference
// every input gives NO.
class LWValueIsInSet : public platform::ValueTransformer {
public:
    LWValueIsInSet() = default;
    explicit LWValueIsInSet(platform::Set set) : myRefSet_(std::move(set)) {}

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

private:
    std::optional<platform::Set> myRefSet_;
};

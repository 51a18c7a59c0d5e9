#pragma once

#include "platform/ui/ValueTransformer.h"

#include <optional>

// A boolean: the reference array holds an element equal to the input. Without a reference
// every input gives NO.
class LWValueIsInArray : public platform::ValueTransformer {
public:
    LWValueIsInArray() = default;
    explicit LWValueIsInArray(platform::Array array) : myRefArray_(std::move(array)) {}

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

private:
    std::optional<platform::Array> myRefArray_;
};

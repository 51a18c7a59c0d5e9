#pragma once

#include "platform/ui/ValueTransformer.h"

#include <optional>

// A boolean: the input string equals the reference exactly, code unit by code unit. An
// input that is no string gives none; without a reference every string gives NO.
class LWValueIsEqualToStr : public platform::ValueTransformer {
public:
    LWValueIsEqualToStr() = default;
    explicit LWValueIsEqualToStr(platform::String string) : myRefString_(std::move(string)) {}

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::NumberValue;
    }

private:
    std::optional<platform::String> myRefString_;
};

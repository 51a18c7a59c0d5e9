#pragma once

#include "platform/ui/ValueTransformer.h"

#include <optional>

// Its reference string, whatever the input; none when it has no reference.
class LWReturnInitStr : public platform::ValueTransformer {
public:
    LWReturnInitStr() = default;
    explicit LWReturnInitStr(platform::String string) : myRefString_(std::move(string)) {}

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::StringValue;
    }

private:
    std::optional<platform::String> myRefString_;
};

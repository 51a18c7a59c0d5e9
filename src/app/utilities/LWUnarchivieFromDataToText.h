#pragma once

#include "platform/ui/ValueTransformer.h"

// The plain characters of an attributed string archived with the sequential archiver.
class LWUnarchivieFromDataToText : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::StringValue;
    }
};

#pragma once

#include "platform/ui/ValueTransformer.h"

// Stored bookmark data as the path of the file it resolves to, resolved as LWBookmark
// resolves it; data that does not resolve gives none. No data gives the empty string.
class LWPathFromBookmark : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;

    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::StringValue;
    }
};

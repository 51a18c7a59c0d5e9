#pragma once

#include "app/utilities/LWShortValueComparison.h"

// 1 when the input's low 16 bits equal the reference, else 0. Written back, an on state
// gives the reference and an off state gives none.
class LWValueIsEqualToRef : public LWShortValueComparison {
public:
    LWValueIsEqualToRef() : LWValueIsEqualToRef(0) {}
    explicit LWValueIsEqualToRef(std::int32_t value) : LWShortValueComparison(value) {}

    [[nodiscard]] platform::Value
    reverseTransformedValue(const platform::Value& value) const override;
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }

private:
    [[nodiscard]] bool matches(std::int32_t input) const override;
};

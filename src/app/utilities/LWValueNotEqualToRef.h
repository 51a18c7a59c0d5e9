#pragma once

#include "app/utilities/LWShortValueComparison.h"

// 1 when the input's low 16 bits differs from the reference, else 0.
class LWValueNotEqualToRef : public LWShortValueComparison {
public:
    LWValueNotEqualToRef() : LWValueNotEqualToRef(0) {}
    explicit LWValueNotEqualToRef(std::int32_t value) : LWShortValueComparison(value) {}

private:
    [[nodiscard]] bool matches(std::int32_t input) const override;
};

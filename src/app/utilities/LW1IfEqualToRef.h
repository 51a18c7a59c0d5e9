#pragma once

#include "app/utilities/LWShortValueComparison.h"

// 1 when the input's low 16 bits equals the reference, else 0.
class LW1IfEqualToRef : public LWShortValueComparison {
public:
    LW1IfEqualToRef() : LW1IfEqualToRef(0) {}
    explicit LW1IfEqualToRef(std::int32_t value) : LWShortValueComparison(value) {}

private:
    [[nodiscard]] bool matches(std::int32_t input) const override;
};

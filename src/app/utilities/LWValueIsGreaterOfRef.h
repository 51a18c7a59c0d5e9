#pragma once

#include "app/utilities/LWShortValueComparison.h"

// 1 when the input's low 16 bits is greater than the reference, else 0.
class LWValueIsGreaterOfRef : public LWShortValueComparison {
public:
    LWValueIsGreaterOfRef() : LWValueIsGreaterOfRef(0) {}
    explicit LWValueIsGreaterOfRef(std::int32_t value) : LWShortValueComparison(value) {}

private:
    [[nodiscard]] bool matches(std::int32_t input) const override;
};

#pragma once

#include "app/utilities/LWShortValueComparison.h"

// 1 when the input's low 16 bits is smaller than the reference, else 0.
class LWValueIsSmallerOfRef : public LWShortValueComparison {
public:
    LWValueIsSmallerOfRef() : LWValueIsSmallerOfRef(0) {}
    explicit LWValueIsSmallerOfRef(std::int32_t value) : LWShortValueComparison(value) {}

private:
    [[nodiscard]] bool matches(std::int32_t input) const override;
};

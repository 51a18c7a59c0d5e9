#pragma once

#include "app/utilities/LWValueIsEqualToRef.h"

// LWValueIsEqualToRef whose plain constructor takes the digit of its name as the reference,
// for bindings that name a class and so cannot pass a reference.
template <std::int32_t Digit> class LWValueIsDigit : public LWValueIsEqualToRef {
public:
    LWValueIsDigit() : LWValueIsEqualToRef(Digit) {}
    using LWValueIsEqualToRef::LWValueIsEqualToRef;
};

using LWValueIs0 = LWValueIsDigit<0>;
using LWValueIs1 = LWValueIsDigit<1>;
using LWValueIs2 = LWValueIsDigit<2>;
using LWValueIs3 = LWValueIsDigit<3>;
using LWValueIs4 = LWValueIsDigit<4>;
using LWValueIs5 = LWValueIsDigit<5>;
using LWValueIs6 = LWValueIsDigit<6>;
using LWValueIs7 = LWValueIsDigit<7>;
using LWValueIs8 = LWValueIsDigit<8>;
using LWValueIs9 = LWValueIsDigit<9>;

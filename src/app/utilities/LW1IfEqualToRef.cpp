#include "app/utilities/LW1IfEqualToRef.h"

bool LW1IfEqualToRef::matches(std::int32_t input) const {
    return input == myRefValue();
}

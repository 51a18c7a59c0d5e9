#include "app/utilities/LWValueNotEqualToRef.h"

bool LWValueNotEqualToRef::matches(std::int32_t input) const {
    return input != myRefValue();
}

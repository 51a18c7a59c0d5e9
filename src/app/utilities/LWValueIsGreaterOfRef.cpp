#include "app/utilities/LWValueIsGreaterOfRef.h"

bool LWValueIsGreaterOfRef::matches(std::int32_t input) const {
    return input > myRefValue();
}

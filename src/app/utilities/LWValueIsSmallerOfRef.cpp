#include "app/utilities/LWValueIsSmallerOfRef.h"

bool LWValueIsSmallerOfRef::matches(std::int32_t input) const {
    return input < myRefValue();
}

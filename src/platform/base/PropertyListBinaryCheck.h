#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"

namespace platform {

// Whether libplist may be handed a binary property list. libplist 2.2 recurses once per
// level of nesting, expands an object once per reference to it (a few hundred bytes can
// name millions of elements), drops the high half of 128-bit integers, silently skips lone
// surrogates and cuts strings at U+0000. This walks the object table first and refuses
// all of those with a reason.
class PropertyListBinaryCheck {
public:
    [[nodiscard]] static Result<> check(const Data& bytes);
};

} // namespace platform

#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"

namespace platform {

// Whether libplist may be handed an XML property list: its parser and every later walk
// of the tree recurse once per level of nesting, and each element costs it about a
// hundred bytes. Counts the elements and their depth without parsing the XML itself;
// tags inside comments, CDATA and processing instructions are skipped as libplist skips
// them.
class PropertyListXmlCheck {
public:
    [[nodiscard]] static Result<> check(const Data& bytes);
};

} // namespace platform

#include "app/utilities/LWUnarchivieFromDataToText.h"

using platform::Value;

// This system has no sequential (non-keyed) archiver and nothing of ours writes its data,
// so there is never an archive to decode: the answer is always none.
Value LWUnarchivieFromDataToText::transformedValue(const Value&) const {
    return {};
}

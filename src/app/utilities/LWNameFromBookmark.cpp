#include "app/utilities/LWNameFromBookmark.h"

#include "app/utilities/LWBookmark.h"

using platform::Value;

Value LWNameFromBookmark::transformedValue(const Value& value) const {
    // A value of another kind counts as no data.
    if (!value.data())
        return platform::String();
    bool isStale = false;
    const auto url = LWBookmark::urlForBookmark(*value.data(), isStale);
    return Value(url ? url->lastPathComponent() : std::nullopt);
}

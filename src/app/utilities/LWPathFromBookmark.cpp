#include "app/utilities/LWPathFromBookmark.h"

#include "app/utilities/LWBookmark.h"

using platform::Value;

Value LWPathFromBookmark::transformedValue(const Value& value) const {
    // A value of another kind counts as no data.
    if (!value.data())
        return platform::String();
    bool isStale = false;
    const auto url = LWBookmark::urlForBookmark(*value.data(), isStale);
    return Value(url ? url->path() : std::nullopt);
}

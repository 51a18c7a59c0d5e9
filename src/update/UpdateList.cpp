#include "update/UpdateList.h"

#include <limits>

using platform::Number;
using platform::String;

std::optional<std::int64_t> UpdateList::latestRelease(const platform::Dictionary& list) {
    const auto found = list.find(latestReleaseKey);
    const Number* number = found == list.end() ? nullptr : found->second.number();
    if (!number)
        return std::nullopt;
    switch (number->kind()) {
    case Number::Kind::Int32:
    case Number::Kind::Int64:
        return number->longValue();
    case Number::Kind::UInt64:
        if (number->unsignedLongLongValue() >
            static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        return number->longValue();
    case Number::Kind::Bool:
    case Number::Kind::Float:
    case Number::Kind::Double:
        break;
    }
    return std::nullopt;
}

std::optional<platform::URL> UpdateList::webAddress(const platform::Dictionary& list,
                                                    const String& key) {
    const auto found = list.find(key);
    const String* text = found == list.end() ? nullptr : found->second.string();
    if (!text)
        return std::nullopt;
    auto url = platform::URL::URLWithString(*text);
    if (!url || !url->host() || !url->isHTTPURL())
        return std::nullopt;
    return url;
}

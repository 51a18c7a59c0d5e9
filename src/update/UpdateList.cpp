#include "update/UpdateList.h"

#include <algorithm>
#include <limits>

using platform::Number;
using platform::String;

namespace {

bool equalsIgnoringCase(const String& text, std::u16string_view lowerCase) {
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char16_t a, char16_t b) {
                          return (a >= u'A' && a <= u'Z' ? char16_t(a | 0x20) : a) == b;
                      });
}

} // namespace

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
    if (!url || !url->host())
        return std::nullopt;
    const String scheme = url->scheme();
    if (!equalsIgnoringCase(scheme, u"http") && !equalsIgnoringCase(scheme, u"https"))
        return std::nullopt;
    return url;
}

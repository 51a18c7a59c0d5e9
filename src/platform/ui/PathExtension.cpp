#include "platform/ui/PathExtension.h"

#include <algorithm>

namespace platform {
namespace {

char16_t lowered(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace

std::optional<String> PathExtension::extensionOf(const String& path) {
    const auto slash = path.rfind(u'/');
    const String name = slash == String::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind(u'.');
    if (dot == String::npos || dot == 0 || dot + 1 == name.size())
        return std::nullopt;
    return name.substr(dot + 1);
}

bool PathExtension::isEqual(const String& a, const String& b) {
    return std::ranges::equal(a, b,
                              [](char16_t x, char16_t y) { return lowered(x) == lowered(y); });
}

bool PathExtension::isAllowed(const String& path, const std::vector<String>& types) {
    if (types.empty())
        return true;
    const auto extension = extensionOf(path);
    return extension && std::ranges::any_of(
                            types, [&](const String& type) { return isEqual(*extension, type); });
}

bool PathExtension::isPackage(const String& path) {
    return isAllowed(path, {u"rtfd"});
}

} // namespace platform
